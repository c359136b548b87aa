#include "widgets/GraphPicture.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "core/AppServices.h"
#include "core/QtText.h"
#include "core/Twips.h"
#include "painting/GraphPainting.h"
#include "widgets/CopyExport.h"
#include "widgets/TextsToWidgets.h"

namespace {

const QColor kBackground = Qt::white;
const QColor kNoteColour(96, 96, 96);
const QColor kBorder(160, 160, 160);
// Points are small: the pointer finds one this close to its middle, whatever its radius.
constexpr int kSpotReachPixels = 5;

}  // namespace

GraphPicture::GraphPicture(QSize designSize, QWidget* parent)
    : QWidget(parent),
      mDesignSize(TwipsToPixels(designSize.width()), TwipsToPixels(designSize.height())) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(GraphLabelFont(font()));
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
        const double dx = GraphPixels(spot.x) - at.x();
        const double dy = GraphPixels(spot.y) - at.y();
        const double distance = std::hypot(dx, dy);
        const double reach =
            std::max(GraphPixels(spot.radius), static_cast<double>(kSpotReachPixels));
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
