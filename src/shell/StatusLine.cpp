#include "shell/StatusLine.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "core/Settings.h"
#include "core/Twips.h"
#include "widgets/WindowSize.h"

namespace {

constexpr int kTextTop = 20;
constexpr int kSeparators[] = {1800, 3300};
constexpr int kSeparatorHeight = 240;
constexpr int kHatchStep = 60;
// Where a frame's message may begin, and the room the grip keeps at the right.
constexpr int kMessageLeft = 5200;
constexpr int kGripRoom = 420;
// Room kept clear between a text and the separator after it.
constexpr int kSeparatorGap = 75;
// The status font is made smaller than this for no text; a longer one is cut off.
constexpr double kSmallestPointSize = 5.5;

QPoint Pixels(int x, int y) {
    return {TwipsToPixels(x), TwipsToPixels(y)};
}

}  // namespace

std::vector<StatusText> StatusLineTexts(int windowWidthPixels, int windowHeightPixels) {
    return {{120, VersionText()},
            {2000, std::to_string(windowWidthPixels) + " x " + std::to_string(windowHeightPixels) +
                       " pixels"},
            {3500, "Times run: " + std::to_string(gTimesRun)}};
}

std::vector<TwipsLine> GripHatching(int width, int height) {
    std::vector<TwipsLine> lines;
    for (int x = -kHatchStep; x <= width; x += kHatchStep) {
        lines.push_back({x, 0, x + 60, height});
        lines.push_back({x - 30, 0, x + 30, height});
    }
    return lines;
}

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    // Small enough for "1600 x 1200 pixels" between the separators.
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
}

void StatusLine::setMessage(const QString& message) {
    // The first line is the message; all of it, line breaks and all, is its tooltip.
    const qsizetype lineEnd = message.indexOf(u'\n');
    mMessage = lineEnd < 0 ? message : message.left(lineEnd);
    setToolTip(lineEnd < 0
                   ? QString()
                   : QStringLiteral("<p>%1</p>")
                         .arg(message.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))));
    update();
}

QFont FittingFont(const QFont& font, const QString& text, int room) {
    QFont fitting = font;
    while (QFontMetricsF(fitting).horizontalAdvance(text) > room &&
           fitting.pointSizeF() - 0.25 >= kSmallestPointSize) {
        fitting.setPointSizeF(fitting.pointSizeF() - 0.25);
    }
    return fitting;
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().windowText().color());
    const QSize outer = OuterSize(*window());
    const std::vector<StatusText> texts = StatusLineTexts(outer.width(), outer.height());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QPoint at = Pixels(texts[i].x, kTextTop);
        // Each text keeps to its own field, clear of the next separator; a long one is drawn
        // smaller rather than cut.
        const int end =
            i < std::size(kSeparators) ? TwipsToPixels(kSeparators[i] - kSeparatorGap) : width();
        const QString text = QString::fromStdString(texts[i].text);
        painter.setFont(FittingFont(font(), text, end - at.x()));
        painter.drawText(QRect(at, QPoint(end, height())), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter.setFont(font());
    const QRect room(Pixels(kMessageLeft, kTextTop),
                     QPoint(width() - TwipsToPixels(kGripRoom), height()));
    if (!mMessage.isEmpty() && room.width() > 0) {
        painter.drawText(room, Qt::AlignRight | Qt::AlignTop,
                         painter.fontMetrics().elidedText(mMessage, Qt::ElideRight, room.width()));
    }
    painter.setPen(Qt::black);
    for (const int x : kSeparators) painter.drawLine(Pixels(x, 0), Pixels(x, kSeparatorHeight));
}

ResizeGrip::ResizeGrip(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SizeFDiagCursor);
}

void ResizeGrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setClipRect(rect());
    for (const TwipsLine& line : GripHatching(PixelsToTwips(width()), PixelsToTwips(height()))) {
        painter.drawLine(Pixels(line.x1, line.y1), Pixels(line.x2, line.y2));
    }
}

void ResizeGrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge)) return;
    mDragging = true;
    mDragStart = event->globalPosition().toPoint();
    mStartSize = window()->size();
}

void ResizeGrip::mouseMoveEvent(QMouseEvent* event) {
    if (!mDragging) return;
    const QPoint moved = event->globalPosition().toPoint() - mDragStart;
    window()->resize(mStartSize.width() + moved.x(), mStartSize.height() + moved.y());
}

void ResizeGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) mDragging = false;
}
