#include "tournaments/ui/frmShowPic.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <algorithm>

#include "core/AppServices.h"
#include "core/NativeFile.h"
#include "core/QtText.h"
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
    SetRange(*HScroll1, layout.h);
    SetRange(*VScroll1, layout.v);
    HScroll1->setValue(0);
    VScroll1->setValue(0);
    ScrollChange();
}

void frmShowPic::ScrollChange() {
    Picture1->move(-TwipsToPixels(HScroll1->value()), -TwipsToPixels(VScroll1->value()));
}

void ShowDiagram(QWidget& owner, const std::string& path, const std::string& caption,
                 const std::string& shownName) {
    if (!FileExists(path)) {
        Services().message(MessageIcon::Information, MissingPictureMessage(shownName),
                           std::string(kMissingPictureTitle));
        return;
    }
    frmShowPic window(owner.window());
    window.Init(path, caption);
    window.exec();
}
