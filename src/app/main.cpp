#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "app/Startup.h"
#include "core/AppServices.h"
#include "db/Database.h"
#include "shell/frmMain.h"
#include "widgets/QtServices.h"

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

// Exit status of a command line that cannot be followed.
constexpr int kUsageError = 2;

// Help, version and a wrong command line are answered before the application object exists, so
// they work without a display and touch no file. nullopt: the program is to run.
std::optional<int> AnswerCommandLine(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::Help:
            std::fputs(UsageText().c_str(), stdout);
            return EXIT_SUCCESS;
        case CommandLine::Action::Version:
            std::fputs(VersionLine().c_str(), stdout);
            return EXIT_SUCCESS;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "VPAStats: %s\n\n%s", command.error.c_str(), UsageText().c_str());
            return kUsageError;
        case CommandLine::Action::Run:
            break;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto status = AnswerCommandLine(command)) {
        return *status;
    }
    VpaApplication app(argc, argv);
    SetDefaultServices(MakeQtServices());

    // The message boxes of start-up may be the only windows for a moment; closing one of them
    // must not end the program before the main window is there.
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<frmMain> mainWindow;
    try {
        mainWindow = RunStartup({.database = command.database});
    } catch (const std::exception& error) {
        ReportProblem("There was an error accessing the DUZEDO - closing app", error.what());
    }
    if (!mainWindow) {
        return EXIT_FAILURE;
    }
    QApplication::setQuitOnLastWindowClosed(true);
    const ProgramWindow program(std::move(mainWindow));
    return QApplication::exec();
}
