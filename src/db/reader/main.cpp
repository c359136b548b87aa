// vpa_mdbreader FILE [TABLE...] (or --hex BYTES [TABLE...], for a name given as its bytes in
// hexadecimal): writes the user tables of an Access file (those named, or every one), read with
// libmdb, to standard output as a table stream (db/AccessStream.h), ending with Done, or with
// Failure and exit status 1. The program starts it for each Access file it opens and checks all it
// writes: libmdb may crash or loop on a damaged file, and then only this process is lost.

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <chrono>
#include <thread>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "db/AccessStream.h"
#include "db/reader/LibmdbReader.h"

namespace {

#ifdef _WIN32

// A crash ends the process at once rather than waiting on an error dialog nobody sees, and the
// lifetime limit holds also when the program that started us is gone.
void PrepareProcess() {
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    std::thread([] {
        std::this_thread::sleep_for(
            std::chrono::seconds(access_detail::ChildLimits{}.lifetimeSeconds));
        std::_Exit(access_detail::kReaderTimedOut);
    }).detach();
}

// Moves the stream off standard output, which libmdb chatters on. Returns the stream's descriptor,
// in binary mode so that no line ending is rewritten.
int TakeStreamOutput() {
    std::fflush(stdout);
    const int stream = ::_dup(_fileno(stdout));
    const int devNull = ::_open("NUL", _O_WRONLY);
    if (stream < 0 || devNull < 0 || ::_dup2(devNull, _fileno(stdout)) < 0) return -1;
    ::_close(devNull);
    ::_setmode(stream, _O_BINARY);
    return stream;
}

#else

// Dispositions ignored and signals blocked by whoever started us survive exec; a blocked SIGALRM
// would defeat the lifetime limit.
void ResetSignals() {
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal) ::sigaction(signal, &defaults, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

void PrepareProcess() {
    ResetSignals();
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    // Also when the program that started us is gone and nobody reads the stream any more.
    ::alarm(access_detail::ChildLimits{}.lifetimeSeconds);
}

// Moves the stream off standard output, which libmdb chatters on, and drops any descriptor
// inherited beyond the standard three. Returns the stream's descriptor.
int TakeStreamOutput() {
    ::close_range(3, ~0u, 0);
    const int stream = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (stream < 0 || devNull < 0 || ::dup2(devNull, STDOUT_FILENO) < 0) return -1;
    ::close(devNull);
    // Room to read ahead while the program is busy storing what came before; where the system
    // refuses, the pipe keeps its usual size.
    ::fcntl(stream, F_SETPIPE_SZ, 1 << 20);
    return stream;
}

#endif

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::string> file;
    int tables = 2;
    if (argc >= 2) file = argv[1];
    if (argc >= 2 && argv[1] == access_detail::kHexArgument) {
        file = argc >= 3 ? access_detail::FromHex(argv[2]) : std::nullopt;
        tables = 3;
    }
    if (!file) {
        std::fputs("usage: vpa_mdbreader FILE [TABLE...] | vpa_mdbreader --hex BYTES [TABLE...]\n",
                   stderr);
        return 2;
    }
    PrepareProcess();
    const int fd = TakeStreamOutput();
    if (fd < 0) return 3;

    access_detail::StreamWriter out(fd);
    try {
        ReadWithLibmdb(*file, std::vector<std::string>(argv + tables, argv + argc), out);
        out.done();
        out.flush();
        return 0;
    } catch (const std::exception& e) {
        try {
            out.failure(e.what());
            out.flush();
        } catch (const std::exception&) {
            // The program has gone: nobody is left to tell.
        }
    }
    return 1;
}
