// The Player Stats frame of the main window and the windows its buttons open.

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

#include "app/Players.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/frmGames.h"
#include "players/frmPositions.h"
#include "rankings/frmRankGraph.h"
#include "ui/main/Button.h"
#include "ui/main/Grid.h"
#include "ui/main/ViewToWidgets.h"
#include "ui/main/frmMain.h"

namespace {

// The current player travels with txtPlayer as this property, apart from what the box shows.
constexpr const char* kTag = "tag";

// Runs an action on Enter in the watched widget.
class EnterKey : public QObject {
  public:
    EnterKey(QObject* parent, std::function<void()> action)
        : QObject(parent), mAction(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                mAction();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> mAction;
};

}  // namespace

void frmMain::ConnectPlayerStats() {
    QListWidget* list = ui.lstPlayers;
    // Moving through the list by keyboard copies too; a click on the row already current as well.
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) { PlayerListClick(row); });
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { PlayerListClick(list->row(item)); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list](QListWidgetItem* item) {
        PlayerListClick(list->row(item));
        PlayerGo();
    });
    list->installEventFilter(new EnterKey(list, [this] { PlayerGo(); }));
    connect(ui.txtPlayer, &QLineEdit::returnPressed, this, [this] { PlayerGo(); });
    connect(ui.chbPlayerGo, &QPushButton::clicked, this, [this] { PlayerGo(); });

    connect(ui.chbPlayerHome, &QPushButton::clicked, this, [this] { ShowGames(kHomeGames); });
    connect(ui.chbPlayerAway, &QPushButton::clicked, this, [this] { ShowGames(kAwayGames); });
    connect(ui.chbPlayerPositions, &QPushButton::clicked, this, [this] { ShowPositions(); });
    connect(ui.chbPlayerRankGraph, &QPushButton::clicked, this, [this] { ShowRankGraph(); });
}

void frmMain::PlayerListClick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= gPlayers.size()) return;
    ui.txtPlayer->setText(ToQString(gPlayers[static_cast<std::size_t>(row)]));
}

void frmMain::PlayerGo() {
    ui.txtPlayer->setProperty(kTag, ui.txtPlayer->text());
    const ViewTexts view = PlayerStatsView(CurrentPlayer());
    ui.Label2[1]->setText(ToQString(view.text("Label2_1")));
    // Tells which month's ranking the heading gives when the current month has none yet.
    ui.Label2[1]->setToolTip(ToQString(view.text("lblNote")));
    ShowGridTexts(*ui.grdPlayerStats, view.grid("grdPlayerStats"));
    for (const std::string_view button : kPlayerButtons) {
        ui.byName.at(std::string(button))->setEnabled(view.enabled(button));
    }
}

std::string frmMain::CurrentPlayer() const {
    return ui.txtPlayer->property(kTag).toString().toStdString();
}

void frmMain::ShowGames(int mode) {
    frmGames window(this);
    window.Init(CurrentPlayer(), mode);
    window.exec();
}

void frmMain::ShowPositions() {
    frmPositions window(this);
    window.Init(CurrentPlayer());
    window.exec();
}

void frmMain::ShowRankGraph() {
    frmRankGraph window(this);
    window.Init(CurrentPlayer());
    window.exec();
}
