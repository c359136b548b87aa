#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <map>
#include <set>

#include "app/CommandLine.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/LineEnds.h"
#include "support/TestData.h"

namespace {

using Action = CommandLine::Action;

// The cases are in tests/data/ProgramArguments.json.
TEST(CommandLineParsing, OptionsPathsAndQtsOwnOptions) {
    const std::map<QString, Action> actions = {{"Run", Action::Run},
                                               {"Help", Action::Help},
                                               {"Version", Action::Version},
                                               {"Error", Action::Error}};
    for (const QJsonValue& c : TestJson("ProgramArguments.json").array()) {
        std::vector<std::string> arguments;
        for (const QJsonValue& a : c["arguments"].toArray()) arguments.push_back(JsonText(a));
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CommandLine command = ParseCommandLine(arguments);
        const Action action = actions.at(c["action"].toString());
        EXPECT_EQ(command.action, action);
        const std::optional<std::string> database =
            c["database"].isString() ? std::optional(JsonText(c["database"])) : std::nullopt;
        EXPECT_EQ(command.database, database);
        EXPECT_EQ(command.error.empty(), action != Action::Error);
    }
}

struct ProgramRun {
    bool finished = false;
    int status = -1;
    std::string out, err;
};

std::filesystem::path ProgramPath() {
    return BesideTests("VPAStats");
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
            UnixLineEnds(process.readAllStandardOutput().toStdString()),
            UnixLineEnds(process.readAllStandardError().toStdString())};
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
