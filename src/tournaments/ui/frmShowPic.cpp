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
        QPixmap picture;
        picture.loadFromData(QByteArray::fromStdString(*bytes));
        Picture1->setPixmap(picture);
        Picture1->resize(picture.size());
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

void frmShowPic::wheelEvent(QWheelEvent* event) {
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
    if (Unmodified(*event) && ScrollByKey(event->key())) return;
    QDialog::keyPressEvent(event);
}

bool frmShowPic::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (Unmodified(key) && ScrollByKey(key.key())) return true;
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
