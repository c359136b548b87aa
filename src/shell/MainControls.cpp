#include "shell/MainControls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>

#include "shell/FrameTable.h"
#include "shell/Layout.h"
#include "shell/StatusLine.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/Frame.h"
#include "widgets/Grid.h"
#include "widgets/NavPicture.h"
#include "widgets/TwipsGeometry.h"

namespace {

constexpr int kBarHeight = 735;
constexpr int kStatusHeight = 255;
constexpr int kBarButtonWidth = 1440;
constexpr int kBarButtonHeight = 615;
constexpr int kBarButtonGap = 30;
constexpr int kWaitWidth = 4500;
constexpr int kWaitHeight = 1335;
// The bar and the Cancel button of a calculation that can be stopped, below the text.
constexpr TwipsRect kWaitBar{360, 1095, kWaitWidth - 720, 240};
constexpr TwipsRect kWaitCancel{(kWaitWidth - 1215) / 2, 1455, 1215, design::kButtonHeight};
constexpr int kWaitHeightWithSteps = 1980;
// Room for the longest help text in five lines.
constexpr TwipsRect kInfoPanel{kDesignWindowWidth - 210 - 3375, 780, 3375, 1335};
constexpr TwipsRect kInfoText{120, 90, 3135, 930};
constexpr TwipsRect kInfoClose{1575, 1020, 1680, 255};

const char* const kHelpTip = "Click to see info about the current frame";
const char* const kTitleStyle = "QLabel { color: #1f3b66; }";

void BuildTitle(ControlBuilder& b, MainControls& ui, int frame) {
    const FrameDescription& description = DescriptionOf(frame);
    QLabel* label = ui.lblTitle[description.titleLabel] =
        b.Label(ui.fraFrame[frame], description.TitleLabelName(), description.title.data());
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QString::fromUtf8(kTitleStyle));
}

void BuildNavigationBar(ControlBuilder& b, QWidget& window, MainControls& ui) {
    ui.Picture1 = b.Make<QFrame>(&window, "Picture1");
    ui.Picture1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.Picture1->setAutoFillBackground(true);
    // Made after the frames, yet it goes behind them like the rest of the window's own parts.
    ui.Picture1->lower();
    ui.chbBar.resize(FrameCount());
    for (int i = 0; i < FrameCount(); ++i) {
        const FrameDescription& description = DescriptionOf(i);
        ui.chbBar[i] = b.Btn(ui.Picture1, ArrayName("chbBar", i), description.caption.data());
        ui.chbBar[i]->setPicture(NavPicture(description.picture));
        ui.chbBar[i]->setToolTip(QString::fromStdString(std::string(description.title) + " (Ctrl+" +
                                                        std::to_string(i + 1) + ")"));
    }
}

void BuildWindowParts(ControlBuilder& b, QWidget& window, const std::vector<Frame*>& frames,
                      MainControls& ui) {
    BuildNavigationBar(b, window, ui);
    ui.fraFrame.assign(frames.begin(), frames.end());
    ui.lblTitle.resize(frames.size());
    for (int i = 0; i < FrameCount(); ++i) BuildTitle(b, ui, i);
    ui.chbPlayerHelp.resize(HelpButtonCount());
    for (int k = 0; k < HelpButtonCount(); ++k) {
        const FrameDescription& description = DescriptionOf(FrameOfHelpButton(k));
        ui.chbPlayerHelp[k] =
            b.Btn(ui.fraFrame[FrameOfHelpButton(k)], ArrayName("chbPlayerHelp", k), "i",
                  description.helpTooltip ? kHelpTip : nullptr);
        SetAccessibleName(*ui.chbPlayerHelp[k], "Help on this frame");
    }
    // Title and help button lie under the frame's own controls.
    for (Button* help : ui.chbPlayerHelp) help->lower();
    for (QLabel* title : ui.lblTitle) title->lower();
}

// Every control at its design place; grids get their design row height.
void PlaceAtDesign(const NamedControls& controls, const ControlGeometry& design) {
    for (const auto& [name, widget] : controls) {
        if (design.Has(name)) widget->setGeometry(ToPixels(design[name]));
        if (auto* grid = qobject_cast<GridControl*>(widget)) {
            grid->setDefaultRowHeightTwips(design.RowHeight(name));
        }
    }
}

void BuildOverlays(ControlBuilder& b, QWidget& window, MainControls& ui) {
    ui.picInfo = b.Panel(&window, "picInfo");
    ui.picInfo->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette note = ui.picInfo->palette();
    note.setColor(QPalette::Window, QColor(255, 255, 225));
    ui.picInfo->setPalette(note);
    ui.picInfo->setCursor(Qt::PointingHandCursor);
    ui.picInfo->hide();
    ui.lblInfo[0] = b.Label(ui.picInfo, "lblInfo_0");
    ui.lblInfo[0]->setWordWrap(true);
    ui.lblInfo[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lblInfo[1] = b.Label(ui.picInfo, "lblInfo_1", "Click to close");
    ui.lblInfo[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = ui.lblInfo[1]->font();
    small.setItalic(true);
    ui.lblInfo[1]->setFont(small);

    ui.picStatus = b.Make<StatusLine>(&window, "picStatus");
    ui.picResize = b.Make<ResizeGrip>(ui.picStatus, "picResize");

    ui.fraWait = b.Panel(&window, "fraWait");
    ui.fraWait->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.fraWait->setLineWidth(2);
    ui.fraWait->hide();
    ui.Label1 = b.Label(ui.fraWait, "Label1", "Please wait for the calculations to finish...");
    ui.Label1->setAlignment(Qt::AlignCenter);
    ui.txtWait = b.Make<QLineEdit>(ui.fraWait, "txtWait");
    ui.txtWait->setReadOnly(true);
    ui.txtWait->setAlignment(Qt::AlignCenter);
    SetAccessibleName(*ui.txtWait, "Calculation progress");
    ui.prgWait = b.Make<QProgressBar>(ui.fraWait, "prgWait");
    ui.prgWait->setTextVisible(false);
    ui.prgWait->hide();
    ui.chbWaitCancel = b.Btn(ui.fraWait, "chbWaitCancel", "Cancel");
    ui.chbWaitCancel->hide();
}

}  // namespace

MainControls BuildMainControls(QWidget& window, const std::vector<Frame*>& frames) {
    MainControls ui;
    const ControlGeometry design = DesignGeometry();
    NamedControls own;
    ControlBuilder b(own);
    BuildWindowParts(b, window, frames, ui);
    // Over the frames.
    BuildOverlays(b, window, ui);
    for (Frame* frame : frames) {
        own[frame->objectName().toStdString()] = frame;
        own.insert(frame->Controls().begin(), frame->Controls().end());
    }
    PlaceAtDesign(own, design);
    ui.byName.insert(own.begin(), own.end());

    ui.picInfo->setGeometry(ToPixels(kInfoPanel));
    ui.lblInfo[0]->setGeometry(ToPixels(kInfoText));
    ui.lblInfo[1]->setGeometry(ToPixels(kInfoClose));
    DockBars(ui, kDesignWindowWidth, kDesignWindowHeight);
    ui.fraWait->setGeometry(
        ToPixels({(kDesignWindowWidth - kWaitWidth) / 2, (kDesignWindowHeight - kWaitHeight) / 2,
                  kWaitWidth, kWaitHeight}));
    ui.Label1->setGeometry(ToPixels({120, 180, kWaitWidth - 240, 255}));
    ui.txtWait->setGeometry(ToPixels({360, 600, kWaitWidth - 720, 375}));
    ui.prgWait->setGeometry(ToPixels(kWaitBar));
    ui.chbWaitCancel->setGeometry(ToPixels(kWaitCancel));
    ConnectWaitSteps(ui, frames);
    return ui;
}

void ConnectWaitSteps(MainControls& ui, const std::vector<Frame*>& frames) {
    QFrame* wait = ui.fraWait;
    QProgressBar* bar = ui.prgWait;
    Button* cancel = ui.chbWaitCancel;
    for (Frame* frame : frames) {
        QObject::connect(frame, &Frame::waitSteps, wait, [wait, bar, cancel](int done, int total) {
            const bool steps = total > 0;
            // The box grows for the bar and the button, and shrinks back without them.
            const int height = TwipsToPixels(steps ? kWaitHeightWithSteps : kWaitHeight);
            if (wait->height() != height) wait->resize(wait->width(), height);
            bar->setVisible(steps);
            cancel->setVisible(steps);
            if (!steps) return;
            bar->setRange(0, total);
            bar->setValue(done);
            bar->repaint();
        });
        QObject::connect(cancel, &QPushButton::clicked, frame, [frame] { frame->CancelWait(); });
    }
}

void DockBars(MainControls& ui, int clientWidth, int clientHeight) {
    ui.Picture1->setGeometry(ToPixels({0, 0, clientWidth, kBarHeight}));
    // Narrower windows share the bar among the buttons, so none is cut off.
    const int count = FrameCount();
    const int fair = (clientWidth - 120 - (count - 1) * kBarButtonGap) / count;
    const int buttonWidth = std::clamp(fair, 0, kBarButtonWidth);
    for (int i = 0; i < count; ++i) {
        ui.chbBar[i]->setGeometry(
            ToPixels({60 + i * (buttonWidth + kBarButtonGap), 60, buttonWidth, kBarButtonHeight}));
    }
    ui.picStatus->setGeometry(
        ToPixels({0, clientHeight - kStatusHeight, clientWidth, kStatusHeight}));
}
