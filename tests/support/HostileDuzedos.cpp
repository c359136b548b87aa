#include "support/HostileDuzedos.h"

#include <sstream>

#include "support/TestData.h"

const std::vector<HostileEdit>& HostileEdits() {
    static const std::vector<HostileEdit> edits = [] {
        std::vector<HostileEdit> read;
        std::istringstream lines(TestData("HostileEdits.sql"));
        constexpr std::string_view kStart = "-- edit: ";
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with(kStart)) {
                read.push_back({line.substr(kStart.size()), ""});
            } else if (!read.empty()) {
                read.back().sql += line + "\n";
            }
        }
        return read;
    }();
    return edits;
}
