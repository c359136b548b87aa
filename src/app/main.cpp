#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/Startup.h"
#include "db/Database.h"
#include "ui/main/frmMain.h"
#include "ui/widgets/QtServices.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetAppDir(QCoreApplication::applicationDirPath().toStdString() + "/");
    SetDefaultServices(MakeQtServices());

    // The message boxes of start-up may be the only windows for a moment; closing one of them
    // must not end the program before the main window is there.
    QApplication::setQuitOnLastWindowClosed(false);
    const std::unique_ptr<frmMain> mainWindow = RunStartup();
    if (!mainWindow) {
        return EXIT_FAILURE;
    }
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}
