#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <string>

#include "core/ViewTexts.h"

class QImage;
class QMenu;

// A graph window's picture at design, in twips, and the least it may shrink to: below it the axes'
// labels and the points leave no room for the chart.
inline constexpr QSize kGraphWindowPicture(9135, 5295);
inline constexpr QSize kGraphWindowMinimum(4500, 2700);

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
