#include "support/DuzedoTool.h"

#include <QProcess>
#include <QStringList>

#include "db/RunningProgram.h"

std::filesystem::path BesideTests(const std::string& program) {
    const auto self = RunningProgram();
    return self ? self->parent_path() / (program + VPA_EXE_SUFFIX) : std::filesystem::path();
}

std::filesystem::path DuzedoToolPath() {
    return BesideTests("duzedo");
}

int RunDuzedoTool(const std::vector<std::string>& arguments) {
    const ToolRun run = RunDuzedoToolLimited(arguments, std::chrono::milliseconds(-1));
    return run.end == ToolRun::End::Exited ? run.status : -1;
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
