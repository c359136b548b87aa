#include "support/DuzedoTool.h"

#include <sys/wait.h>

#include <QProcess>
#include <QStringList>
#include <cstdlib>

#include "db/RunningProgram.h"

std::filesystem::path BesideTests(const std::string& program) {
    const auto self = RunningProgram();
    return self ? self->parent_path() / (program + VPA_EXE_SUFFIX) : std::filesystem::path();
}

std::filesystem::path DuzedoToolPath() {
    return BesideTests("duzedo");
}

int RunDuzedoTool(const std::string& arguments) {
    const std::string command =
        "'" + DuzedoToolPath().string() + "' " + arguments + " >/dev/null 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ToolRun RunDuzedoToolLimited(const std::vector<std::string>& arguments,
                             std::chrono::milliseconds limit) {
    QStringList nativeArguments;
    for (const std::string& argument : arguments) {
        nativeArguments << QString::fromStdString(argument);
    }
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(DuzedoToolPath().string()), nativeArguments);
    ToolRun run;
    if (!process.waitForStarted()) return run;
    if (!process.waitForFinished(static_cast<int>(limit.count()))) {
        process.kill();
        process.waitForFinished(-1);
        run.end = ToolRun::End::TimedOut;
    } else if (process.exitStatus() == QProcess::CrashExit) {
        run.end = ToolRun::End::Crashed;
    } else {
        run.end = ToolRun::End::Exited;
        run.status = process.exitCode();
    }
    run.error = process.readAllStandardError().toStdString();
    return run;
}
