#pragma once

#include <filesystem>
#include <optional>

// The running executable's full name, asked of the system (no QCoreApplication needed); nothing
// when the system does not tell.
std::optional<std::filesystem::path> RunningProgram();
