#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

// A text of the status line at x twips from its left.
struct StatusText {
    int x = 0;
    std::string text;
    friend bool operator==(const StatusText&, const StatusText&) = default;
};

// The version, the window's outer size in pixels and the run count, left to right.
std::vector<StatusText> StatusLineTexts(int windowWidthPixels, int windowHeightPixels);

struct TwipsLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const TwipsLine&, const TwipsLine&) = default;
};

// The resize grip's diagonal hatching, 30 twips apart, for a grip of the given size (twips).
std::vector<TwipsLine> GripHatching(int width, int height);

// font, or a smaller size of it, in which text is no wider than room (pixels); never below a
// size that can still be read.
QFont FittingFont(const QFont& font, const QString& text, int room);

// The status line along the bottom of the main window (picStatus).
class StatusLine : public QWidget {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    // A frame's word for the user, at the right end before the grip; empty clears it. Of a
    // message of several lines the first is shown and the whole is the tooltip.
    void setMessage(const QString& message);
    const QString& message() const { return mMessage; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString mMessage;
};

// The resize grip at the right end of the status line (picResize): dragging it with the left
// button resizes the window from its bottom-right corner.
class ResizeGrip : public QWidget {
    Q_OBJECT

  public:
    explicit ResizeGrip(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Set while the window is resized by hand, where the platform cannot do it.
    bool mDragging = false;
    QPoint mDragStart;
    QSize mStartSize;
};
