#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// A program the build puts beside the test program, by its name without the platform's suffix;
// empty when the system does not tell where the test program is.
std::filesystem::path BesideTests(const std::string& program);

// The duzedo command-line tool, which the build puts beside the test program; tests that run it
// skip when it is not there.
std::filesystem::path DuzedoToolPath();

// Runs the tool with arguments (no shell involved), its output thrown away. Returns its exit
// status, or -1 when it did not exit normally.
int RunDuzedoTool(const std::vector<std::string>& arguments);

// How a run of the tool under a time limit ended.
struct ToolRun {
    enum class End { Exited, Crashed, TimedOut, NotStarted };
    End end = End::NotStarted;
    int status = -1;    // the exit status, when it exited
    std::string error;  // what it wrote on standard error
};

// Runs the tool with arguments (no shell involved), its standard output thrown away; a run past
// limit is killed.
ToolRun RunDuzedoToolLimited(const std::vector<std::string>& arguments,
                             std::chrono::milliseconds limit);
