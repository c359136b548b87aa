#include "support/DuzedoTool.h"

#include <sys/wait.h>

#include <cstdlib>
#include <system_error>

std::filesystem::path DuzedoToolPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path() / "duzedo";
}

int RunDuzedoTool(const std::string& arguments) {
    const std::string command =
        "'" + DuzedoToolPath().string() + "' " + arguments + " >/dev/null 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
