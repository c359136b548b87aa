#include "options/ui/OptionsFrame.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "core/Settings.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/ViewToWidgets.h"

OptionsFrame::OptionsFrame(QWidget* parent) : Frame(kIndex, parent) {
    ControlBuilder b = Builder();
    const char* const options[] = {"Frame animation", "Minimum number of games for misc stats",
                                   "Ranking table tournament participation limit",
                                   "Show countries in player lists"};
    for (int i = 0; i < 4; ++i) {
        ui.chkOpt[i] = b.Make<QCheckBox>(this, ArrayName("chkOpt", i));
        ui.chkOpt[i]->setText(QString::fromUtf8(options[i]));
    }
    ui.txtOptGames = b.Make<QLineEdit>(this, "txtOptGames");
    ui.chbApplyOptions = b.Btn(this, "chbApplyOptions", "Apply");
    ui.shpOpt = b.Shape(this, "shpOpt");
    ui.lblOptInfo =
        b.Label(this, "lblOptInfo",
                "Move the mouse over an option to see a small description of its function");
    ui.lblOptInfo->setWordWrap(true);
    ui.lblOptInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const char* const lines[] = {"Velmoor Players Association Tournaments Stat Analyser", "", "",
                                 "Program by the VPA Stats team",
                                 "DUZEDO maintained by the VPA records office"};
    for (int i = 0; i < 5; ++i) {
        ui.lblOpt[i] = b.Label(this, ArrayName("lblOpt", i), lines[i]);
        ui.lblOpt[i]->setAlignment(Qt::AlignCenter);
    }
    QFont bold = ui.lblOpt[0]->font();
    bold.setBold(true);
    ui.lblOpt[0]->setFont(bold);
}

void OptionsFrame::InitControls(FrameInit&) {
    ui.lblOpt[2]->setText(ToQString(VersionText()));
}

void OptionsFrame::LoadOptions() {
    // The options feature loads its controls from the option globals.
}
