#pragma once

#include <string>

// A Windows program ends the lines it prints with CR LF; the tests compare what it says by lines.
inline std::string UnixLineEnds(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}
