#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "misc/PlayerTotals.h"

// The players of the lists as the main window filled them (gPlayers without its closing empty
// element); read from the database when the lists have not been filled.
std::vector<std::string> ListedPlayers();

class GridControl;
class QCheckBox;
class QLabel;

// Every player's value in one record category, ranked. Modal over the main window; a fresh
// window for every opening.
class frmTop : public QDialog {
    Q_OBJECT

  public:
    // The window load: the grid's columns and header row.
    explicit frmTop(QWidget* parent = nullptr);

    // Fills the list of category statType (0 to 21, the rows of the records grid) and centres
    // the window; does not show it.
    void Init(int statType);
    // Lists the players again, with or without the game limit as chkLimit says.
    void FillAllPlayerRecords();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SizeColumns();

    QLabel* Label1 = nullptr;
    QCheckBox* chkLimit = nullptr;
    GridControl* grdTop = nullptr;
    int mStatType = -1;
    // Read at the first fill; the database does not change while the window is open, so a
    // click on chkLimit only lists them again.
    std::vector<std::string> mPlayers;
    std::vector<PlayerTotals> mTotals;
    bool mRead = false;
};
