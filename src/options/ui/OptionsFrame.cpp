#include "options/ui/OptionsFrame.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/AppServices.h"
#include "core/QtText.h"
#include "core/Settings.h"
#include "options/Options.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"

OptionsFrame::OptionsFrame(int index, QWidget* parent) : Frame(index, parent) {
    ControlBuilder b = Builder();
    const char* const options[] = {"Frame animation", "Minimum number of games for misc stats",
                                   "Ranking table tournament participation limit",
                                   "Show countries in player lists"};
    for (int i = 0; i < 4; ++i) {
        ui.chkOpt[i] = b.Make<QCheckBox>(this, ArrayName("chkOpt", i));
        ui.chkOpt[i]->setText(QString::fromUtf8(options[i]));
    }
    ui.txtOptGames = b.Make<QLineEdit>(this, "txtOptGames");
    // The check box beside it tells what the number is.
    SetAccessibleName(*ui.txtOptGames, options[1]);
    ui.chbApplyOptions = b.Btn(this, "chbApplyOptions", "Apply");
    ui.shpOpt = b.Shape(this, "shpOpt");
    ui.lblOptInfo = b.Label(this, "lblOptInfo", std::string(kOptionsHint).c_str());
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

    // Only the user's edits enable Apply; loading the controls does not.
    for (QCheckBox* box : ui.chkOpt) {
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this] { ui.chbApplyOptions->setEnabled(true); });
    }
    connect(ui.txtOptGames, &QLineEdit::textEdited, this,
            [this] { ui.chbApplyOptions->setEnabled(true); });
    connect(ui.chbApplyOptions, &QPushButton::clicked, this, [this] { ApplyOptions(); });
}

void OptionsFrame::InitControls(FrameInit& init) {
    mStoredDatabase = init.storedDatabase;
    ui.lblOpt[2]->setText(ToQString(VersionText()));
}

void OptionsFrame::LoadOptions() {
    ui.chbApplyOptions->setEnabled(false);
    ui.chkOpt[0]->setChecked(gOptFrameAnimation == 1);
    ui.txtOptGames->setText(QString::number(gOptMinGames));
    ui.chkOpt[2]->setChecked(gOptRankingLimit == 1);
    ui.chkOpt[3]->setChecked(gOptShowCountries == 1);
}

void OptionsFrame::ApplyOptions() {
    const OptionValues before = CurrentOptions();
    OptionValues after = before;
    after.frameAnimation = ui.chkOpt[0]->isChecked() ? 1 : 0;
    after.rankingLimit = ui.chkOpt[2]->isChecked() ? 1 : 0;
    // A value that is no positive number leaves the minimum as it was, and the user is told.
    const std::string typedGames = ToUtf8(ui.txtOptGames->text());
    const std::string refusal = GamesOptionRefusal(typedGames, gOptMinGames);
    if (const auto games = GamesOption(typedGames)) after.minGames = *games;
    after.showCountries = ui.chkOpt[3]->isChecked() ? 1 : 0;
    SetOptions(after);
    if (mStoredDatabase) {
        WriteSettingsNaming(*mStoredDatabase);
    } else {
        WriteSettings();
    }
    emit optionsApplied(before);
    if (refusal.empty()) {
        Services().message(MessageIcon::Information, "New option parameters have been applied",
                           "Success");
        return;
    }
    ui.txtOptGames->setText(QString::number(gOptMinGames));
    Services().message(MessageIcon::Information, refusal, "Minimum number of games");
}

bool OptionsFrame::eventFilter(QObject* watched, QEvent* event) {
    const auto box = std::find(ui.chkOpt.begin(), ui.chkOpt.end(), watched);
    if (box != ui.chkOpt.end()) {
        if (event->type() == QEvent::Enter) {
            ui.lblOptInfo->setText(
                ToQString(OptionDescription(static_cast<int>(box - ui.chkOpt.begin()))));
        } else if (event->type() == QEvent::Leave) {
            ui.lblOptInfo->setText(ToQString(kOptionsHint));
        }
    }
    return Frame::eventFilter(watched, event);
}

std::string OptionsFrame::HelpText() const {
    return "Choose the options and press 'Apply': they are used at once and kept for the next "
           "run. " +
           std::string(kOptionsHint);
}
