#include "db/AccessReaderProcess.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <string_view>
#include <system_error>

#include "db/AccessStream.h"
#include "db/ReaderHandles.h"
#include "db/RunningProgram.h"
#include "db/Utf8Path.h"

namespace access_detail {

namespace {

using Clock = std::chrono::steady_clock;

// With the platform's suffix for programs, as the build names it.
constexpr const char* kReaderName = VPA_READER_FILE_NAME;

int Milliseconds(Clock::duration d) {
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(d).count());
}

// Whether a file name survives the trip into a Qt string and back: not all bytes that are not
// UTF-8 do.
bool QtCanHold(const std::string& name) {
    return QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(name))).toStdString() ==
           name;
}

// A file name as a Qt string: the platform's bytes decoded on Unix, the UTF-16 name on Windows.
QString ToQt(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(path.c_str());
#endif
}

// Kills and reaps the child unless it has finished, so that no way out leaves it running.
class ChildGuard {
  public:
    explicit ChildGuard(QProcess& process) : process_(process) {}
    ~ChildGuard() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(-1);
    }
    ChildGuard(const ChildGuard&) = delete;
    ChildGuard& operator=(const ChildGuard&) = delete;

  private:
    QProcess& process_;
};

void Start(QProcess& process, const std::filesystem::path& program,
           const std::vector<std::string>& arguments, std::chrono::milliseconds timeout) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(program, error)) {
        throw DbError("the reader program is missing (expected at '" + Utf8Text(program) + "')");
    }
    QStringList nativeArguments;
    for (const std::string& argument : arguments) {
        nativeArguments << QFile::decodeName(argument.c_str());
    }
    // Only the stream matters: libmdb's warnings on standard error would pile up unread.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QString name = ToQt(program);
#ifndef _WIN32
    if (!QtCanHold(Utf8Text(program))) {
        // A folder name Qt cannot spell: the child moves there itself, by the platform's name.
        const std::string folder = Utf8Text(program.parent_path());
        process.setChildProcessModifier([folder] { (void)::chdir(folder.c_str()); });
        name = QStringLiteral("./") + QFile::decodeName(program.filename().c_str());
    }
#endif
    InheritStandardHandlesOnly(process);
    process.start(name, nativeArguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(Milliseconds(timeout))) {
        throw DbError("cannot start the reader (" + process.errorString().toStdString() + ")");
    }
}

// Feeds the decoder until the child has exited. The synchronous waits work without an event
// loop, and the pipe holds little, so at most that much is buffered between two feeds.
void Pump(QProcess& process, StreamDecoder& decoder, const ChildLimits& limits) {
    const auto end = Clock::now() + std::chrono::seconds(limits.lifetimeSeconds);
    for (;;) {
        const auto left = end - Clock::now();
        const bool ready = process.waitForReadyRead(Milliseconds(
            std::min<Clock::duration>(limits.stall, std::max(left, Clock::duration::zero()))));
        const QByteArray bytes = process.readAll();
        decoder.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (ready) continue;
        if (process.state() == QProcess::NotRunning) return;
        if (Clock::now() >= end) throw DbError("the reader took too long");
        throw DbError("the reader stopped making progress");
    }
}

void CheckExit(const QProcess& process) {
    if (process.exitStatus() == QProcess::CrashExit) {
#ifdef _WIN32
        // Qt keeps the exception code (an NTSTATUS) that ended the process as its exit code.
        throw DbError("the reader crashed (exception 0x" +
                      QByteArray::number(static_cast<uint>(process.exitCode()), 16).toStdString() +
                      "): the file is damaged");
#else
        // Qt keeps the number of the signal that ended the process as its exit code.
        const int signal = process.exitCode();
        throw DbError(signal == SIGALRM ? std::string("the reader took too long")
                                        : "the reader crashed (signal " + std::to_string(signal) +
                                              "): the file is damaged");
#endif
    }
    if (process.exitCode() == kReaderTimedOut) throw DbError("the reader took too long");
    if (process.exitCode() != 0) throw DbError("the reader failed");
}

}  // namespace

std::vector<std::string> ReaderArguments(const std::string& file,
                                         const std::vector<std::string>& tables) {
    const std::string path = AbsoluteUtf8Path(file);
    std::vector<std::string> arguments{path};
    if (!QtCanHold(path)) arguments = {std::string(kHexArgument), ToHex(path)};
    arguments.insert(arguments.end(), tables.begin(), tables.end());
    return arguments;
}

std::filesystem::path ReaderProgram() {
    if (const auto self = RunningProgram()) return self->parent_path() / kReaderName;
    if (QCoreApplication::instance() != nullptr) {
#ifdef _WIN32
        const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdWString();
#else
        const std::filesystem::path dir =
            Utf8Path(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
#endif
        return dir / kReaderName;
    }
    throw DbError("there is no telling where the reader program is");
}

void RunReader(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               TableSink& sink, const ChildLimits& limits) {
    QProcess process;
    const ChildGuard guard(process);
    Start(process, program, arguments, limits.stall);
    StreamDecoder decoder(sink, limits.maxStreamBytes);
    Pump(process, decoder, limits);
    CheckExit(process);
    decoder.finish();
}

}  // namespace access_detail
