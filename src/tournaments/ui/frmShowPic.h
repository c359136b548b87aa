#pragma once

#include <QDialog>
#include <QPixmap>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;

// The diagram viewer: one picture, scrolled by two bars when it is larger than the window, by the
// mouse wheel (sideways with Shift) and by the arrow and page keys; zoomed by Ctrl with plus, minus
// or the wheel, and fitted to the window by Ctrl+0. It opens as large as the picture where the
// screen allows. Modal over the main window; a fresh window for every opening.
class frmShowPic : public QDialog {
    Q_OBJECT

  public:
    explicit frmShowPic(QWidget* parent = nullptr);

    // Sets the caption and, when a picture file exists at path, shows it; does not show the
    // window.
    void Init(const std::string& path, const std::string& caption);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The text box holding the focus would take the arrow keys for its cursor.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Lays the viewport and the bars out for the window's size and scrolls back to the top left.
    void LayOut();
    void ScrollChange();
    // False for a key that does not scroll.
    bool ScrollByKey(int key);
    // False for a key that does not zoom.
    bool ZoomByKey(const QKeyEvent& event);
    bool HandleKey(const QKeyEvent& event);
    // Scales the picture, keeping the point under anchor (in the viewport) where it is.
    void ZoomTo(double zoom, QPoint anchor);
    void ZoomToFit();
    QPoint ViewportCentre() const;

    QLineEdit* Text1 = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Picture1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QPixmap mPicture;  // as read; Picture1 shows it scaled by mZoom
    double mZoom = 1.0;
    int mZoomTurn = 0;  // eighths of a degree of Ctrl+wheel not yet zoomed by
};

// Opens the diagram picture file (a user's own, else the program's drawing from the open database,
// drawn when needed) in a viewer over owner's window; when there is none and it cannot be drawn,
// says so naming shownName ("The picture file shownName was not found"). Returns why it could not
// be drawn, for the status line; empty otherwise.
std::string ShowDiagram(QWidget& owner, const std::string& file, const std::string& caption,
                        const std::string& shownName);
