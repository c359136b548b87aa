#pragma once

#include <filesystem>
#include <string>

// The duzedo command-line tool, which the build puts beside the test program; tests that run it
// skip when it is not there.
std::filesystem::path DuzedoToolPath();

// Runs the tool with arguments (quoted for the shell by the caller), its output thrown away.
// Returns its exit status, or -1 when it did not exit normally.
int RunDuzedoTool(const std::string& arguments);
