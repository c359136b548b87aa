#pragma once

#include <QDialog>
#include <string>

class GraphPicture;
class QLabel;

// One player's ranking points month by month as a line chart. Modal over the main window; a
// fresh window for every opening.
class frmRankGraph : public QDialog {
    Q_OBJECT

  public:
    explicit frmRankGraph(QWidget* parent = nullptr);

    // Names the player in Label1 and draws his graph; does not show the window.
    void Init(const std::string& player);

  private:
    // Computes the graph afresh for the picture's current size.
    void DrawGraph();

    QLabel* Label1 = nullptr;
    GraphPicture* picGraph = nullptr;

    std::string mPlayer;
};
