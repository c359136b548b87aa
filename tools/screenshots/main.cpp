// Saves a picture of each frame of the main window, for the README. Run it under an X server
// (scripts/screenshots.sh starts Xvfb): vpa_screenshots DUZEDO OUTDIR [WIDTH HEIGHT]
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <string>

#include "core/Settings.h"
#include "db/Database.h"
#include "ui/main/Navigation.h"
#include "ui/main/frmMain.h"

namespace {

// File names by frame: "rankings.png", "player-stats.png", ...
QString FrameFileName(int frame) {
    QString caption =
        QString::fromStdString(std::string(kFrameTitles[static_cast<std::size_t>(frame)]));
    return caption.toLower().replace(' ', '-') + ".png";
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
    if (!ConnectDb(&error)) {
        std::fprintf(stderr, "vpa_screenshots: %s\n", error.c_str());
        return 2;
    }
    QDir().mkpath(outDir);
    frmMain window;
    window.Load();
    window.resize(width, height);
    window.show();
    for (int frame = 0; frame < 8; ++frame) {
        window.BarClick(frame);
        QApplication::processEvents();
        window.grab().save(QDir(outDir).filePath(FrameFileName(frame)));
    }
    return 0;
}
