#include "fantasy/ui/FantasyFrame.h"

#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <chrono>
#include <cmath>
#include <fstream>
#include <utility>
#if defined(__linux__)
#include <unistd.h>
#endif

#include "core/AppServices.h"
#include "core/PlayerNames.h"
#include "db/DbValue.h"
#include "fantasy/FantasyTexts.h"
#include "fantasy/League.h"
#include "tournaments/TournamentLists.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/EventHook.h"
#include "widgets/ModelGrid.h"
#include "widgets/TextsToWidgets.h"

namespace {

enum ListButton { kAdd = 0, kRemove = 1, kRemoveAll = 2, kChooseAll = 3 };

// Runs an action when the scope ends, by return or by exception.
template <typename F>
class AtExit {
  public:
    explicit AtExit(F action) : mAction(std::move(action)) {}
    ~AtExit() { mAction(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

  private:
    F mAction;
};

// Seconds since midnight: the clock once, then a steady clock's advance on it. Every prediction
// reseeds from the time of day, and a league makes millions of them; reading the local time
// for each would cost more than the prediction itself.
std::function<double()> QuickTimeOfDay() {
    constexpr double kDay = 24 * 60 * 60;
    const double start = Services().timeOfDay();
    const auto since = std::chrono::steady_clock::now();
    return [start, since] {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - since;
        return std::fmod(start + elapsed.count(), kDay);
    };
}

// How long the first pairs of a league are played before its whole cost is judged from them:
// long enough for a steady rate, short enough to ask before the user waits much.
constexpr int kTrialMilliseconds = 500;
// What showing the games costs beyond the league itself, which its first pairs cannot tell: the
// games grid's row header keeps a section for every row, 8 bytes; making them took 1.6 s for 36
// million games on a busy two-core machine.
constexpr std::uint64_t kShownBytesPerGame = 8;
constexpr double kShownSecondsPerGame = 45e-9;

// The program's resident memory; 0 where the system does not tell.
std::uint64_t ResidentBytes() {
#if defined(__linux__)
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0, pages = 0;
    if (statm >> size >> pages) return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
#endif
    return 0;
}

QString Count(std::uint64_t n) {
    return QLocale().toString(static_cast<qulonglong>(n));
}

QString CostQuestion(std::size_t players, std::size_t pairsDone, const LeagueCost& cost) {
    constexpr double kGigabyte = 1 << 30;
    return QStringLiteral(
               "A league of %1 players has %2 games: about %3 s and %4 GB, going by its "
               "first %5 pairs. Play it?")
        .arg(Count(players), Count(cost.games), QLocale().toString(std::ceil(cost.seconds), 'f', 0),
             QLocale().toString(static_cast<double>(cost.bytes) / kGigabyte, 'f', 1),
             Count(pairsDone));
}

QString ChosenText(int count) {
    if (count == 0) return QStringLiteral("No player chosen");
    return Count(static_cast<std::uint64_t>(count)) +
           (count == 1 ? QStringLiteral(" player chosen") : QStringLiteral(" players chosen"));
}

}  // namespace

FantasyFrame::FantasyFrame(int index, QWidget* parent)
    : Frame(index, parent), mRandom(QuickTimeOfDay()) {
    ControlBuilder b = Builder();
    ui.lstFantasyPlayers = b.List(this, "lstFantasyPlayers");
    ui.lstFantasySelected = b.List(this, "lstFantasySelected");
    const char* const moves[] = {">>", "<<", "CLR", "ALL"};
    const char* const doings[] = {"Add player", "Remove player", "Remove all players",
                                  "Add all players"};
    for (int i = 0; i < 4; ++i) {
        ui.chbFantasyLst[i] = b.Btn(this, ArrayName("chbFantasyLst", i), moves[i]);
        SetAccessibleName(*ui.chbFantasyLst[i], doings[i]);
    }
    SetAccessibleName(*ui.lstFantasyPlayers, "Players");
    SetAccessibleName(*ui.lstFantasySelected, "Players in the league");
    ui.chbFantasyLst[kAdd]->setEnabled(false);
    ui.chbFantasyLst[kRemove]->setEnabled(false);
    ui.chbFantasyCalc = b.Btn(this, "chbFantasyCalc", "Start!");
    ui.chbFantasyCalc->setEnabled(false);
    ui.fraFantasyResults = b.Panel(this, "fraFantasyResults");
    QFrame* r = ui.fraFantasyResults;
    ui.lblFantasyResults = b.Heading(r, "lblFantasyResults", "League Predictions");
    ui.grdFantasyGames = b.Make<ModelGrid>(r, "grdFantasyGames");
    ui.grdFantasyTable = b.Make<ModelGrid>(r, "grdFantasyTable");
    SetAccessibleName(*ui.grdFantasyGames, "Predicted games");
    SetAccessibleName(*ui.grdFantasyTable, "Predicted league table");
    ui.lblFantasyChosen = b.Label(this, "lblFantasyChosen", "No player chosen");
    ui.lblFantasyNote = b.Label(this, "lblFantasyNote");
    ui.lblFantasyNote->setWordWrap(true);
    ui.lblFantasyNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The names can be copied, to look the players up elsewhere.
    ui.lblFantasyNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Connect();
}

void FantasyFrame::Connect() {
    for (int i = 0; i < 4; ++i) {
        connect(ui.chbFantasyLst[i], &QPushButton::clicked, this,
                [this, i] { FantasyListClick(i); });
    }
    connect(ui.chbFantasyCalc, &QPushButton::clicked, this, [this] { StartLeague(); });
    const auto pickedOn = [this](QListWidget* list, int button) {
        const auto picked = [this, button] {
            if (!mRunning) ui.chbFantasyLst[button]->setEnabled(true);
        };
        connect(list, &QListWidget::itemClicked, this, picked);
        // A row picked by keyboard counts as much as one clicked.
        connect(list, &QListWidget::itemSelectionChanged, this, [list, picked] {
            if (PickedRow(*list) >= 0) picked();
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, button] { FantasyListClick(button); });
        OnEnterKey(*list, [this, button] { FantasyListClick(button); });
    };
    pickedOn(ui.lstFantasyPlayers, kAdd);
    pickedOn(ui.lstFantasySelected, kRemove);
}

void FantasyFrame::InitControls(FrameInit& init) {
    ui.grdFantasyGames->setRows({.header = kGamesHeader});
    ui.grdFantasyTable->setRows({.header = kFantasyTableHeader});
    AddListItems(*ui.lstFantasyPlayers, init.playerItems());
}

void FantasyFrame::FantasyListClick(int index) {
    // The chosen list stands still while a league is played from it.
    if (mRunning) return;
    switch (index) {
        case kAdd:
            AddPicked();
            break;
        case kRemove:
            RemovePicked();
            break;
        case kRemoveAll:
            ui.lstFantasySelected->clear();
            break;
        case kChooseAll:
            ChooseAll();
            break;
        default:
            return;
    }
    ApplyStartRule();
}

void FantasyFrame::AddPicked() {
    const int row = PickedRow(*ui.lstFantasyPlayers);
    if (row < 0 || static_cast<std::size_t>(row) >= gPlayers.size()) return;
    const QString name = ToQString(gPlayers[static_cast<std::size_t>(row)]);
    for (int i = 0; i < ui.lstFantasySelected->count(); ++i) {
        if (ui.lstFantasySelected->item(i)->text() == name) return;
    }
    ui.lstFantasySelected->addItem(name);
}

void FantasyFrame::RemovePicked() {
    QListWidget& chosen = *ui.lstFantasySelected;
    const int row = PickedRow(chosen);
    if (row < 0) return;
    delete chosen.takeItem(row);
    if (chosen.count() > 0) {
        chosen.setCurrentRow(0);
    } else {
        ui.chbFantasyLst[kRemove]->setEnabled(false);
    }
}

void FantasyFrame::ChooseAll() {
    QListWidget& chosen = *ui.lstFantasySelected;
    chosen.clear();
    const int count = ui.lstFantasyPlayers->count();
    for (int i = 0; i < count && static_cast<std::size_t>(i) < gPlayers.size(); ++i) {
        chosen.addItem(ToQString(gPlayers[static_cast<std::size_t>(i)]));
    }
}

void FantasyFrame::ApplyStartRule() {
    ui.chbFantasyCalc->setEnabled(!mRunning && ui.lstFantasySelected->count() > 0);
    ui.lblFantasyChosen->setText(ChosenText(ui.lstFantasySelected->count()));
}

std::vector<std::string> FantasyFrame::ChosenPlayers() const {
    std::vector<std::string> players;
    for (int i = 0; i < ui.lstFantasySelected->count(); ++i) {
        players.push_back(ToUtf8(ui.lstFantasySelected->item(i)->text()));
    }
    return players;
}

void FantasyFrame::SetLargeLeagueQuestion(std::function<bool(const std::string&)> ask) {
    mAskLarge = std::move(ask);
}

bool FantasyFrame::GoOnAfterTrial(std::size_t players, std::size_t done, std::size_t total) {
    LeagueCost cost = EstimateLeague({
        .pairsDone = done,
        .pairsTotal = total,
        .secondsToFirstPair = mTrial.secondsToFirstPair,
        .secondsSinceFirstPair = static_cast<double>(mTrial.sinceFirstPair.elapsed()) / 1000,
        .bytesAtStart = mTrial.bytesAtStart,
        .bytesAtFirstPair = mTrial.bytesAtFirstPair,
        .bytesNow = ResidentBytes(),
    });
    cost.bytes += cost.games * kShownBytesPerGame;
    cost.addedBytes += cost.games * kShownBytesPerGame;
    cost.seconds += static_cast<double>(cost.games) * kShownSecondsPerGame;
    if (!cost.large()) return true;
    const QString text = CostQuestion(players, done, cost);
    if (mAskLarge) return mAskLarge(ToUtf8(text));
    return QMessageBox::question(this, QStringLiteral("Fantasy League"), text) == QMessageBox::Yes;
}

void FantasyFrame::StartLeague() {
    if (mRunning || !Ready()) return;
    // A copy: the league plays the players chosen at the start, whatever happens to the list.
    const std::vector<std::string> players = ChosenPlayers();
    ShowNote({});
    if (players.empty()) {
        ShowLeague(std::make_shared<League>());
        return;
    }
    mTrial.bytesAtStart = ResidentBytes();
    mTrial.pending = true;
    mTrial.sinceStart.start();
    mRunning = true;
    mCancelled = false;
    // Disabled during the run, Start loses the keyboard; a keyboard user gets it back after.
    const bool startHadFocus = ui.chbFantasyCalc->hasFocus();
    std::array<bool, 4> listButtons{};
    for (std::size_t i = 0; i < listButtons.size(); ++i) {
        listButtons[i] = ui.chbFantasyLst[i]->isEnabled();
        ui.chbFantasyLst[i]->setEnabled(false);
    }
    ApplyStartRule();
    // However the run ends, the wait box goes and the buttons come back.
    const AtExit finish([this, listButtons, startHadFocus] {
        emit waitSteps(0, 0);
        emit waitShown(false);
        mRunning = false;
        for (std::size_t i = 0; i < listButtons.size(); ++i) {
            ui.chbFantasyLst[i]->setEnabled(listButtons[i]);
        }
        ApplyStartRule();
        if (startHadFocus) ui.chbFantasyCalc->setFocus(Qt::OtherFocusReason);
    });
    emit waitProgress(QString());
    emit waitSteps(0, 1);
    emit waitShown(true);
    Services().processEvents();
    mSinceServed.start();
    PlayAndShow(players);
}

void FantasyFrame::CancelWait() {
    if (mRunning) mCancelled = true;
}

bool FantasyFrame::NextPair(const std::vector<std::string>& players, std::size_t first,
                            std::size_t second, std::size_t done, std::size_t total) {
    if (done == 0) {
        mTrial.secondsToFirstPair = static_cast<double>(mTrial.sinceStart.elapsed()) / 1000;
        mTrial.bytesAtFirstPair = ResidentBytes();
        mTrial.sinceFirstPair.start();
    }
    if (mSinceServed.elapsed() >= mServiceInterval) {
        emit waitProgress(ToQString(players[first] + " vs " + players[second]));
        // The bar counts in steps a progress bar's int can hold, whatever the league's size.
        const std::size_t scale = total / 1000000 + 1;
        emit waitSteps(static_cast<int>(done / scale), static_cast<int>(total / scale));
        Services().processEvents();
        mSinceServed.restart();
        if (mTrial.pending && done > 0 && mTrial.sinceFirstPair.elapsed() >= kTrialMilliseconds) {
            mTrial.pending = false;
            if (Ready() && !GoOnAfterTrial(players.size(), done, total)) mCancelled = true;
        }
    }
    return !mCancelled && Ready();
}

void FantasyFrame::PlayAndShow(const std::vector<std::string>& players) {
    // Hidden while the league is played, the grids keep the last one until this one is complete.
    ui.grdFantasyGames->hide();
    ui.grdFantasyTable->hide();
    const LeagueProgress progress{
        .nextPair =
            [&](std::size_t first, std::size_t second, std::size_t done, std::size_t total) {
                return NextPair(players, first, second, done, total);
            },
    };
    try {
        std::optional<League> league = PlayFantasyLeague(players, mRandom, progress);
        if (league) {
            ShowNote(LeagueNote(*league));
            ShowLeague(std::make_shared<const League>(std::move(*league)));
        } else if (Ready()) {
            ShowNote(mLeagueShown ? "League cancelled: the table shows the previous league"
                                  : "League cancelled: no league is shown");
        }
    } catch (const DbError& error) {
        // The window may have begun closing while events ran: nobody is there to read it.
        if (Ready()) {
            Services().message(MessageIcon::Critical,
                               "The league could not be predicted: " + std::string(error.what()),
                               "Fantasy League");
        }
    }
    ui.grdFantasyGames->show();
    ui.grdFantasyTable->show();
}

void FantasyFrame::ShowLeague(std::shared_ptr<const League> league) {
    mLeagueShown = !league->players.empty();
    // Each grid holds the league it reads from; the one before goes with the last of them.
    ui.grdFantasyGames->setRows({.header = kGamesHeader,
                                 .count = league->games.size(),
                                 .row = [league](std::size_t g) { return GameTexts(*league, g); }});
    ui.grdFantasyTable->setRows(
        {.header = kFantasyTableHeader,
         .count = league->table.size(),
         .row = [league](std::size_t r) { return TableTexts(*league, r); }});
}

void FantasyFrame::ShowNote(const std::string& note) {
    if (note.empty() && !mNoteShown) return;
    mNoteShown = !note.empty();
    ui.lblFantasyNote->setText(ToQString(note));
    emit statusText(ToQString(note));
}

void FantasyFrame::hideEvent(QHideEvent* event) {
    // The note speaks of this frame's league only: it goes when another frame comes forward.
    if (!event->spontaneous()) ShowNote({});
    Frame::hideEvent(event);
}

std::string FantasyFrame::HelpText() const {
    return "This is a just for fun option. Select a number of players to participate in a fantasy "
           "league and click on 'start' to see their predicted results";
}
