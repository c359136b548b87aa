#include "tournaments/ui/frmShowPic.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <exception>

#include "core/AppServices.h"
#include "core/FileLocations.h"
#include "core/NativeFile.h"
#include "core/QtText.h"
#include "tournaments/DiagramFiles.h"
#include "tournaments/PictureViewer.h"
#include "widgets/Accessible.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowSize.h"

namespace {

// The window at design, in twips.
constexpr int kWidth = 12000;
constexpr int kHeight = 8400;
// A diagram is a few hundred kilobytes; a file far larger is not one and is not read whole.
constexpr std::size_t kMaxPictureBytes = 64 * 1024 * 1024;

QRect Place(const TwipsRect& r) {
    return ToPixels({r.left, r.top, std::max(r.width, 0), std::max(r.height, 0)});
}

void SetRange(QScrollBar& bar, const ScrollRange& range) {
    bar.setRange(0, std::max(range.max, 0));
    if (range.largeChange) bar.setPageStep(*range.largeChange);
    if (range.smallChange) bar.setSingleStep(*range.smallChange);
}

// Keys scroll without Shift, Ctrl or Alt; the keypad's arrows as well.
bool Unmodified(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Ctrl, with or without Shift (plus is a shifted key on many keyboards), on either keypad.
bool WithCtrl(const QKeyEvent& event) {
    return (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::ControlModifier;
}

// A bar's width rounded up: a picture and a bar that fit in the window leave the bars hidden.
constexpr int kBarPixels = (kScrollBarTwips + kTwipsPerPixel - 1) / kTwipsPerPixel;

// Opening size: the picture with room for the bars (which then do not show), never so small that
// the title bar is cut; CentreOnScreen shrinks it to the screen.
QSize OpeningSize(QSize picture) {
    return (picture + QSize(kBarPixels, kBarPixels))
        .expandedTo({TwipsToPixels(4000), TwipsToPixels(2400)});
}

// A wheel turn of eighths of a degree moves as many lines as the system says, a bar's small change
// each.
void Wheel(QScrollBar& bar, int eighths) {
    bar.setValue(bar.value() - eighths * QApplication::wheelScrollLines() * bar.singleStep() / 120);
}

}  // namespace

frmShowPic::frmShowPic(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmShowPic"));
    setWindowTitle(QStringLiteral("Diagram"));
    if (parent != nullptr) setFont(parent->font());

    // Only a corner of it shows: the first control, it holds the focus instead of a bar.
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    SetAccessibleName(*Text1, "Diagram");
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->resize(0, 0);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { ScrollChange(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { ScrollChange(); });
    Text1->installEventFilter(this);
    resize(TwipsToPixels(kWidth), TwipsToPixels(kHeight));
}

void frmShowPic::Init(const std::string& path, const std::string& caption) {
    setWindowTitle(ToQString(caption));
    // Read through the platform's own file name, which a Qt string may not be able to hold.
    if (const auto bytes = ReadFileStart(path, kMaxPictureBytes)) {
        mPicture.loadFromData(QByteArray::fromStdString(*bytes));
        Picture1->setPixmap(mPicture);
        Picture1->resize(mPicture.size());
        if (!mPicture.isNull()) resize(OpeningSize(mPicture.size()));
    }
    CentreOnScreen(*this);
    LayOut();
}

void frmShowPic::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

void frmShowPic::LayOut() {
    const QSize outer = OuterSize(*this);
    const ViewerLayout layout =
        LayOutViewer({PixelsToTwips(width()), PixelsToTwips(height()), PixelsToTwips(outer.width()),
                      PixelsToTwips(outer.height()), PixelsToTwips(Picture1->width()),
                      PixelsToTwips(Picture1->height())});
    Text1->setGeometry(Place(layout.corner));
    Frame1->setGeometry(Place(layout.viewport));
    Picture1->move(0, 0);
    HScroll1->setGeometry(Place(layout.horizontal));
    VScroll1->setGeometry(Place(layout.vertical));
    HScroll1->setVisible(layout.showHorizontal);
    VScroll1->setVisible(layout.showVertical);
    SetRange(*HScroll1, layout.h);
    SetRange(*VScroll1, layout.v);
    HScroll1->setValue(0);
    VScroll1->setValue(0);
    ScrollChange();
}

void frmShowPic::ScrollChange() {
    Picture1->move(-TwipsToPixels(HScroll1->value()), -TwipsToPixels(VScroll1->value()));
}

void frmShowPic::ZoomTo(double zoom, QPoint anchor) {
    if (mPicture.isNull()) return;
    const QPointF scrolled(TwipsToPixels(HScroll1->value()), TwipsToPixels(VScroll1->value()));
    const QPointF spot = (QPointF(anchor) + scrolled) / mZoom;
    // Zoomed in, the picture is held scaled: a long side of tens of thousands of pixels would
    // take gigabytes.
    const double most = std::max(1.0, 8192.0 / std::max(mPicture.width(), mPicture.height()));
    mZoom = std::clamp(zoom, kMinZoom, std::min(kMaxZoom, most));
    const QSize size(std::max(1, static_cast<int>(std::lround(mPicture.width() * mZoom))),
                     std::max(1, static_cast<int>(std::lround(mPicture.height() * mZoom))));
    if (size == mPicture.size()) {
        Picture1->setPixmap(mPicture);
    } else {
        // Scaled for the screen's own pixels, so that a high-density screen shows it sharp.
        const qreal ratio = devicePixelRatioF();
        QPixmap scaled =
            mPicture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        Picture1->setPixmap(scaled);
    }
    Picture1->resize(size);
    LayOut();
    const QPointF target = spot * mZoom - QPointF(anchor);
    HScroll1->setValue(PixelsToTwips(static_cast<int>(std::lround(target.x()))));
    VScroll1->setValue(PixelsToTwips(static_cast<int>(std::lround(target.y()))));
}

void frmShowPic::ZoomToFit() {
    // The bars show while the picture and a bar are wider than the window with its frame.
    const QSize area = size().boundedTo(OuterSize(*this) - QSize(kBarPixels, kBarPixels));
    ZoomTo(FitZoom(mPicture.width(), mPicture.height(), area.width(), area.height()), {});
}

QPoint frmShowPic::ViewportCentre() const {
    return Frame1->rect().center();
}

bool frmShowPic::ZoomByKey(const QKeyEvent& event) {
    if (!WithCtrl(event)) return false;
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomTo(ZoomStep(mZoom, 1), ViewportCentre());
            return true;
        case Qt::Key_Minus:
            ZoomTo(ZoomStep(mZoom, -1), ViewportCentre());
            return true;
        case Qt::Key_0:
            ZoomToFit();
            return true;
        default:
            return false;
    }
}

bool frmShowPic::HandleKey(const QKeyEvent& event) {
    return (Unmodified(event) && ScrollByKey(event.key())) || ZoomByKey(event);
}

void frmShowPic::wheelEvent(QWheelEvent* event) {
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        // Touchpads turn by fractions of a notch: they add up to whole steps.
        mZoomTurn += event->angleDelta().y();
        const int notches = mZoomTurn / 120;
        mZoomTurn -= notches * 120;
        if (notches != 0) {
            ZoomTo(ZoomStep(mZoom, notches), Frame1->mapFrom(this, event->position().toPoint()));
        }
        event->accept();
        return;
    }
    QPoint turn = event->angleDelta();
    if (event->modifiers().testFlag(Qt::ShiftModifier) && turn.x() == 0) turn = {turn.y(), 0};
    Wheel(*HScroll1, turn.x());
    Wheel(*VScroll1, turn.y());
    event->accept();
}

bool frmShowPic::ScrollByKey(int key) {
    using Action = QAbstractSlider::SliderAction;
    const auto act = [](QScrollBar& bar, Action action) {
        bar.triggerAction(action);
        return true;
    };
    switch (key) {
        case Qt::Key_Left:
            return act(*HScroll1, Action::SliderSingleStepSub);
        case Qt::Key_Right:
            return act(*HScroll1, Action::SliderSingleStepAdd);
        case Qt::Key_Up:
            return act(*VScroll1, Action::SliderSingleStepSub);
        case Qt::Key_Down:
            return act(*VScroll1, Action::SliderSingleStepAdd);
        case Qt::Key_PageUp:
            return act(*VScroll1, Action::SliderPageStepSub);
        case Qt::Key_PageDown:
            return act(*VScroll1, Action::SliderPageStepAdd);
        case Qt::Key_Home:
            return act(*VScroll1, Action::SliderToMinimum);
        case Qt::Key_End:
            return act(*VScroll1, Action::SliderToMaximum);
        default:
            return false;
    }
}

void frmShowPic::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(*event)) return;
    QDialog::keyPressEvent(event);
}

bool frmShowPic::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (HandleKey(key)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::string ShowDiagram(QWidget& owner, const std::string& file, const std::string& caption,
                        const std::string& shownName) {
    const FileLocations places = CurrentLocations();
    std::string path;
    std::string failure;
    try {
        path = DiagramPicture(file, places);
        if (path.empty()) failure = "it cannot be written into " + places.pictures;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (path.empty() || !FileExists(path)) {
        Services().message(MessageIcon::Information, MissingPictureMessage(shownName),
                           std::string(kMissingPictureTitle));
        return failure;
    }
    frmShowPic window(owner.window());
    window.Init(path, caption);
    window.exec();
    return {};
}
