#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "core/QtText.h"
#include "core/ViewTexts.h"

class GridControl;
class QComboBox;
class QImage;
class QMenu;
class QListWidget;
class QPainter;

// Moving the texts of a view (core/ViewTexts.h) into the widgets that show them.

// A tooltip showing text as it stands: Qt would read a text that looks like markup as markup
// (a player named "<img src=...>" would load a file), so it is escaped inside a markup of ours.
QString PlainToolTip(const QString& text);

// The grid gets one row per row of texts, header row included; cells the texts leave out (a
// hidden spare column) are emptied. The column count stays as the window set it.
void ShowGridTexts(GridControl& grid, const Grid& texts);

// A data grid of as many columns as header names, with only its header row, in bold; the
// header's first cell is current.
void ShowGridHeader(GridControl& grid, const std::vector<std::string>& header);

// A label grid: the labels down column 0, an empty value column beside them, no header row.
void ShowGridLabels(GridControl& grid, const Texts& labels);

// The combo box shows exactly these items, none chosen yet.
void ShowComboItems(QComboBox& combo, const Texts& items);
// Appends the items to the list.
void AddListItems(QListWidget& list, const Texts& items);

// The grid's width less its border and a vertical scroll bar, shown or not: what its columns can
// share without a horizontal scroll bar.
int GridWidthInside(const GridControl& grid);

// Draws a graph whose coordinates are twips of the picture onto a painter working in pixels:
// boxes, then lines, circles and texts. Line widths are pixels, as the picture box counts them.
void PaintGraph(QPainter& painter, const Graph& graph);

// Where a window of size (and at least minimum) goes in the available area of a screen: centred,
// and shrunk to the area where it does not fit, so that no part opens off the screen.
QRect PlaceOnScreen(QSize size, QSize minimum, const QRect& available);
// Centres a window on the screen it will appear on (its parent's, else the primary one), inside
// the area the task bars leave, shrunk to it when larger.
void CentreOnScreen(QWidget& window);

// A picture box showing one graph of a view, repainted from the stored graph whenever the window
// system asks, so covering or moving the window never loses the drawing. A picture with nothing
// to draw shows the view's note in its middle instead.
//
// Hovering a point of the graph (its spots) shows the point's tip; over a point that picks a table
// row the pointer is a pointing hand, and a click there tells which row. The context menu
// (mnuGraph) saves the picture as a PNG file (mnuGraphSave) or copies it (mnuGraphCopy).
class GraphPicture : public QWidget {
    Q_OBJECT

  public:
    // designSize: the picture's size at design, in twips.
    GraphPicture(QSize designSize, QWidget* parent = nullptr);

    void setGraph(Graph graph, std::string note);
    // What a saved picture is called unless the user names it otherwise.
    void setPictureName(const QString& name);
    const Graph& graph() const { return mGraph; }
    const std::string& note() const { return mNote; }

    // The drawing surface in twips, what the graph is computed for.
    int widthTwips() const;
    int heightTwips() const;

    QSize sizeHint() const override { return mDesignSize; }

    // The point of the graph at a place of the picture (pixels), the nearest where several are
    // close; nullptr where there is none.
    const GraphSpot* spotAt(QPoint at) const;
    // The picture as shown, at the screen's resolution.
    QImage picture();

  signals:
    // The picture's size changed: its graph must be computed again for the new size.
    void resized();
    // A point that picks a table row was clicked.
    void spotClicked(int row);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void savePicture();

    QMenu* mMenu = nullptr;
    QString mPictureName = QStringLiteral("graph");
    QSize mDesignSize;
    Graph mGraph;
    std::string mNote;
};
