#include "widgets/ViewToWidgets.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "core/AppServices.h"
#include "core/Twips.h"
#include "widgets/CopyExport.h"
#include "widgets/Grid.h"

namespace {

const QColor kForeground = Qt::black;
const QColor kBackground = Qt::white;
const QColor kNoteColour(96, 96, 96);
const QColor kBorder(160, 160, 160);
constexpr int kGraphFontPixels = 9;
// Points are small: the pointer finds one this close to its middle, whatever its radius.
constexpr int kSpotReachPixels = 5;

double Px(int twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

QPointF Point(int x, int y) {
    return {Px(x), Px(y)};
}

QColor Colour(const GraphColour& colour) {
    return colour ? QColor(colour->red, colour->green, colour->blue) : kForeground;
}

QPen Pen(const GraphColour& colour, int width, bool dotted = false) {
    QPen pen(Colour(colour));
    pen.setWidth(width);
    pen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

void PaintText(QPainter& painter, const GraphText& text) {
    const double ascent = painter.fontMetrics().ascent();
    const QString content = ToQString(text.text);
    if (text.lineStep == 0) {
        painter.drawText(QPointF(Px(text.x), Px(text.y) + ascent), content);
        return;
    }
    // One character per line; characters outside the basic plane stay whole.
    const QList<uint> characters = content.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        const double y = Px(text.y + static_cast<int>(i) * text.lineStep) + ascent;
        painter.drawText(QPointF(Px(text.x), y), QString::fromUcs4(&c, 1));
    }
}

}  // namespace

QString PlainToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void ShowGridTexts(GridControl& grid, const Grid& texts) {
    grid.setRows(static_cast<int>(texts.size()));
    for (int row = 0; row < grid.rows(); ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        for (int col = 0; col < grid.cols(); ++col) {
            const std::size_t c = static_cast<std::size_t>(col);
            const bool given = r < texts.size() && c < texts[r].size();
            grid.setTextMatrix(row, col, given ? texts[r][c] : std::string());
        }
    }
}

void ShowGridHeader(GridControl& grid, const std::vector<std::string>& header) {
    grid.setFixedRows(1);
    grid.setCols(static_cast<int>(header.size()));
    ShowGridTexts(grid, {header});
    grid.setRow(0);
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
    grid.setCellFontBold(true);
}

void ShowGridLabels(GridControl& grid, const Texts& labels) {
    grid.setFixedRows(0);
    grid.setCols(2);
    grid.setRows(static_cast<int>(labels.size()));
    for (std::size_t row = 0; row < labels.size(); ++row) {
        grid.setTextMatrix(static_cast<int>(row), 0, labels[row]);
    }
}

void ShowComboItems(QComboBox& combo, const Texts& items) {
    combo.clear();
    for (const std::string& item : items) combo.addItem(ToQString(item));
}

void AddListItems(QListWidget& list, const Texts& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts << ToQString(item);
    list.addItems(texts);
}

int GridWidthInside(const GridControl& grid) {
    return grid.width() - 2 * grid.frameWidth() - grid.verticalScrollBar()->sizeHint().width();
}

void PaintGraph(QPainter& painter, const Graph& graph) {
    painter.save();
    for (const GraphBox& box : graph.boxes) {
        painter.fillRect(QRectF(Point(box.x1, box.y1), Point(box.x2, box.y2)).normalized(),
                         Colour(box.fill));
    }
    painter.setBrush(Qt::NoBrush);
    for (const GraphLine& line : graph.lines) {
        painter.setPen(Pen(line.colour, line.width, line.dotted));
        painter.drawLine(Point(line.x1, line.y1), Point(line.x2, line.y2));
    }
    for (const GraphCircle& circle : graph.circles) {
        painter.setPen(Pen(circle.colour, circle.width));
        painter.setBrush(circle.filled ? QBrush(Colour(circle.colour)) : QBrush(Qt::NoBrush));
        painter.drawEllipse(Point(circle.x, circle.y), Px(circle.radius), Px(circle.radius));
    }
    painter.setPen(kForeground);
    for (const GraphText& text : graph.texts) PaintText(painter, text);
    painter.restore();
}

QRect PlaceOnScreen(QSize size, QSize minimum, const QRect& available) {
    // Shrunk to the screen, but not below the window's minimum while the screen has room for it.
    const QSize fitted =
        size.boundedTo(available.size()).expandedTo(minimum.boundedTo(available.size()));
    return {available.left() + std::max((available.width() - fitted.width()) / 2, 0),
            available.top() + std::max((available.height() - fitted.height()) / 2, 0),
            fitted.width(), fitted.height()};
}

void CentreOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect place =
        PlaceOnScreen(window.size(), window.minimumSize(), screen->availableGeometry());
    if (place.size() != window.size()) window.resize(place.size());
    window.move(place.topLeft());
}

GraphPicture::GraphPicture(QSize designSize, QWidget* parent)
    : QWidget(parent),
      mDesignSize(TwipsToPixels(designSize.width()), TwipsToPixels(designSize.height())) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Vertical labels put a character every 10 pixels, and a month's two labels sit 9 pixels
    // apart: the characters must stay within that.
    QFont small = font();
    small.setPixelSize(kGraphFontPixels);
    small.setStretch(QFont::Condensed);
    setFont(small);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resize(mDesignSize);
    setMouseTracking(true);

    mMenu = new QMenu(this);
    mMenu->setObjectName(QStringLiteral("mnuGraph"));
    QAction* save = mMenu->addAction(QStringLiteral("Save picture…"));
    save->setObjectName(QStringLiteral("mnuGraphSave"));
    connect(save, &QAction::triggered, this, [this] { RunGuarded([this] { savePicture(); }); });
    QAction* copy = mMenu->addAction(QStringLiteral("Copy picture"));
    copy->setObjectName(QStringLiteral("mnuGraphCopy"));
    connect(copy, &QAction::triggered, this,
            [this] { RunGuarded([this] { QGuiApplication::clipboard()->setImage(picture()); }); });
}

void GraphPicture::setPictureName(const QString& name) {
    mPictureName = name;
}

void GraphPicture::setGraph(Graph graph, std::string note) {
    mGraph = std::move(graph);
    mNote = std::move(note);
    update();
}

int GraphPicture::widthTwips() const {
    return PixelsToTwips(width());
}

int GraphPicture::heightTwips() const {
    return PixelsToTwips(height());
}

void GraphPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);
    if (mGraph.empty() && !mNote.empty()) {
        // In the window's own font: the picture's small one is for the graph's labels.
        painter.setFont(parentWidget() != nullptr ? parentWidget()->font() : font());
        painter.setPen(kNoteColour);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, ToQString(mNote));
    }
    PaintGraph(painter, mGraph);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void GraphPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

const GraphSpot* GraphPicture::spotAt(QPoint at) const {
    const GraphSpot* nearest = nullptr;
    double nearestDistance = 0;
    for (const GraphSpot& spot : mGraph.spots) {
        const double dx = Px(spot.x) - at.x();
        const double dy = Px(spot.y) - at.y();
        const double distance = std::hypot(dx, dy);
        const double reach = std::max(Px(spot.radius), static_cast<double>(kSpotReachPixels));
        if (distance <= reach && (nearest == nullptr || distance < nearestDistance)) {
            nearest = &spot;
            nearestDistance = distance;
        }
    }
    return nearest;
}

QImage GraphPicture::picture() {
    return grab().toImage();
}

bool GraphPicture::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto& help = static_cast<QHelpEvent&>(*event);
        if (const GraphSpot* spot = spotAt(help.pos())) {
            const int reach = std::max(TwipsToPixels(spot->radius), kSpotReachPixels);
            const QRect area(QPoint(TwipsToPixels(spot->x) - reach, TwipsToPixels(spot->y) - reach),
                             QSize(2 * reach + 1, 2 * reach + 1));
            QToolTip::showText(help.globalPos(), PlainToolTip(ToQString(spot->tip)), this, area);
            return true;
        }
    }
    return QWidget::event(event);
}

void GraphPicture::mouseMoveEvent(QMouseEvent* event) {
    const GraphSpot* spot = spotAt(event->position().toPoint());
    if (spot != nullptr && spot->row) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

void GraphPicture::mousePressEvent(QMouseEvent* event) {
    const GraphSpot* spot = spotAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && spot != nullptr && spot->row) {
        emit spotClicked(*spot->row);
        return;
    }
    QWidget::mousePressEvent(event);
}

void GraphPicture::contextMenuEvent(QContextMenuEvent* event) {
    mMenu->popup(event->globalPos());
}

void GraphPicture::savePicture() {
    const QString path =
        AskSavePath(*this, QStringLiteral("Save picture"), FileNameOf(mPictureName) + ".png",
                    QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
    if (path.isEmpty()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!picture().save(&buffer, "PNG")) {
        reason = QStringLiteral("the picture could not be made");
    } else if (WriteWholeFile(path, png, reason)) {
        return;
    }
    Services().message(MessageIcon::Critical, "The picture could not be saved.", "Save picture",
                       (path + QStringLiteral(": ") + reason).toStdString());
}
