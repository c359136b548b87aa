#include <QApplication>
#include <cstdlib>
#include <exception>
#include <memory>

#include "app/Startup.h"
#include "core/AppServices.h"
#include "db/Database.h"
#include "ui/main/frmMain.h"
#include "ui/widgets/QtServices.h"

namespace {

// The last line of defence: an exception that a handler let through becomes a message, and the
// program goes on, instead of unwinding through Qt's event loop.
class VpaApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ReportProblem("The program could not finish what it was doing.", error.what());
        } catch (...) {
            ReportProblem("The program could not finish what it was doing.", "unknown error");
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    VpaApplication app(argc, argv);
    SetAppDir(QCoreApplication::applicationDirPath().toStdString() + "/");
    SetDefaultServices(MakeQtServices());

    // The message boxes of start-up may be the only windows for a moment; closing one of them
    // must not end the program before the main window is there.
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<frmMain> mainWindow;
    try {
        mainWindow = RunStartup();
    } catch (const std::exception& error) {
        ReportProblem("There was an error accessing the DUZEDO - closing app", error.what());
    }
    if (!mainWindow) {
        return EXIT_FAILURE;
    }
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}
