#pragma once

#include <QDialog>
#include <optional>
#include <string>

class GraphPicture;
class GridControl;

// Where one player finished in each of his tournaments, in date order: the table grdPos and the
// graph picGraph, on which a click on a table row highlights that tournament's point. Modal over
// the main window; a fresh window for every opening.
class frmPositions : public QDialog {
    Q_OBJECT

  public:
    // The window load: the grid's columns and header row.
    explicit frmPositions(QWidget* parent = nullptr);

    // Fills the table and draws the graph without a highlight; does not show the window.
    void Init(const std::string& player);
    // Redraws the graph with point selected (0 for the first tournament) highlighted; -1: none.
    void DrawPositions(int selected);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PosClick();
    void SizeColumns();

    GridControl* grdPos = nullptr;
    GraphPicture* picGraph = nullptr;

    std::string mPlayer;
    std::optional<int> mSelectedRow;  // the highlighted table row, counted from 1
};
