#pragma once

#include <QDialog>
#include <string>

class Button;
class GridControl;
class QComboBox;

// One player's home games (mode 1) or away games (any other mode) in the order chosen in
// cmbOrder. Modal over the main window; a fresh window for every opening.
class frmGames : public QDialog {
    Q_OBJECT

  public:
    // The window load: the grid's header row and the six orders.
    explicit frmGames(QWidget* parent = nullptr);

    // Fills the grid in chronological order and centres the window; does not show it.
    void Init(const std::string& player, int mode);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void OrderClick();
    void SizeColumns();

    GridControl* grdGames = nullptr;
    QComboBox* cmbOrder = nullptr;
    Button* chbClose = nullptr;

    std::string mPlayer;
    int mMode = 1;
};
