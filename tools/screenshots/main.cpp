// Saves a picture of each frame of the main window and of the player windows, for the README. Run
// it under an X server (scripts/screenshots.sh starts Xvfb): vpa_screenshots DUZEDO OUTDIR [WIDTH
// HEIGHT]
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <string>

#include "core/Settings.h"
#include "db/Database.h"
#include "players/ui/frmGames.h"
#include "players/ui/frmPositions.h"
#include "rankings/ui/frmRankGraph.h"
#include "shell/FrameTable.h"
#include "shell/frmMain.h"

namespace {

// File names by frame: "rankings.png", "player-stats.png", ...
QString FrameFileName(int frame) {
    QString caption = QString::fromStdString(std::string(DescriptionOf(frame).title));
    return caption.toLower().replace(' ', '-') + ".png";
}

// The player at the top of the rankings, whose windows are shown.
std::string TopPlayer() {
    const QueryResult result = Query("select player from rankings where r=1", 1);
    return result.empty() ? std::string() : result[0][0].toString();
}

void Save(QWidget& window, const QString& outDir, const QString& name) {
    window.show();
    QApplication::processEvents();
    window.grab().save(QDir(outDir).filePath(name + ".png"));
}

void SavePlayerWindows(const QString& outDir) {
    const std::string player = TopPlayer();
    frmGames games;
    games.Init(player, 1);
    Save(games, outDir, "frmGames");
    frmPositions positions;
    positions.Init(player);
    Save(positions, outDir, "frmPositions");
    frmRankGraph graph;
    graph.Init(player);
    Save(graph, outDir, "frmRankGraph");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: vpa_screenshots DUZEDO OUTDIR [WIDTH HEIGHT]\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const int width = argc == 5 ? std::atoi(argv[3]) : 800;
    const int height = argc == 5 ? std::atoi(argv[4]) : 600;
    SetOptionDefaults();
    gOptFrameAnimation = 0;
    gDbPath = argv[1];
    std::string error;
    if (!ConnectDb(gDbPath, &error)) {
        std::fprintf(stderr, "vpa_screenshots: %s\n", error.c_str());
        return 2;
    }
    QDir().mkpath(outDir);
    frmMain window;
    window.Load();
    window.resize(width, height);
    window.show();
    for (int frame = 0; frame < FrameCount(); ++frame) {
        window.BarClick(frame);
        QApplication::processEvents();
        window.grab().save(QDir(outDir).filePath(FrameFileName(frame)));
    }
    SavePlayerWindows(outDir);
    return 0;
}
