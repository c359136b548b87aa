#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <set>
#include <system_error>

#include "app/CommandLine.h"
#include "support/FileBytes.h"

namespace {

using Action = CommandLine::Action;

TEST(CommandLineParsing, OptionsPathsAndQtsOwnOptions) {
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::optional<std::string> database;
    } cases[] = {
        {{}, Action::Run, std::nullopt},
        {{"my db.mdb"}, Action::Run, "my db.mdb"},
        {{"--help"}, Action::Help, std::nullopt},
        {{"x.mdb", "-h"}, Action::Help, std::nullopt},
        {{"--version"}, Action::Version, std::nullopt},
        // Qt takes these itself, values and all.
        {{"-platform", "offscreen", "x.mdb"}, Action::Run, "x.mdb"},
        {{"--style=Fusion", "-reverse", "x.mdb"}, Action::Run, "x.mdb"},
        {{"-x", "--help"}, Action::Error, std::nullopt},
        {{"a.mdb", "b.mdb"}, Action::Error, std::nullopt},
        {{"x.mdb", "-platform"}, Action::Error, std::nullopt},
        // A path beginning with a dash, after "--".
        {{"--", "--help"}, Action::Run, "--help"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CommandLine command = ParseCommandLine(c.arguments);
        EXPECT_EQ(command.action, c.action);
        EXPECT_EQ(command.database, c.database);
        EXPECT_EQ(command.error.empty(), c.action != Action::Error);
    }
}

struct ProgramRun {
    bool finished = false;
    int status = -1;
    std::string out, err;
};

std::filesystem::path ProgramPath() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path() / "VPAStats";
}

// Where no window can be opened: an X11 platform without a display, so that making the
// application object would end the program at once.
ProgramRun RunProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString(ProgramPath().string()), arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {true, process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

std::set<std::string> FilesBeside(const std::filesystem::path& program) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(program.parent_path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(CommandLineProgram, HelpAndVersionAnswerWithoutAWindowOrAFileAndAWrongLineEndsWith2) {
    const std::filesystem::path program = ProgramPath();
    if (!std::filesystem::exists(program)) GTEST_SKIP() << "VPAStats is not built";
    const std::filesystem::path settings = program.parent_path() / "VPAStats.ini";
    const std::string settingsBefore = ReadBytes(settings);
    const std::set<std::string> filesBefore = FilesBeside(program);

    const ProgramRun help = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out, UsageText());
    EXPECT_EQ(help.err, "");

    const ProgramRun version = RunProgram({QStringLiteral("-v")});
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "VPAStats v0.9 - 18/5/2003\n");

    const ProgramRun wrong = RunProgram({QStringLiteral("--frobnicate")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("unknown option '--frobnicate'"), std::string::npos) << wrong.err;
    EXPECT_NE(wrong.err.find(UsageText()), std::string::npos);

    EXPECT_EQ(ReadBytes(settings), settingsBefore);
    EXPECT_EQ(FilesBeside(program), filesBefore);
}

}  // namespace
