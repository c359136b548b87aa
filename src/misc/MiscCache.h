#pragma once

#include <optional>
#include <string>

#include "misc/MiscStats.h"

// The cache of the Misc Stats figures (misc.bfr): one line per value text, CR LF, the 7 general
// figures and then the 22 record holders; UTF-8 (files of earlier versions are Windows-1252).

// The figures in the file at path; nullopt when there is none or it is not one this program
// wrote: empty, cut short, with lines beyond whole sets of 29, without its general figures, or
// holding bytes that are no text. Of several whole sets, the last one counts.
std::optional<MiscFigures> LoadMiscCache(const std::string& path);

// Replaces the file at path; it is swapped in whole, so a failed write leaves the earlier file
// as it was. False when it could not be written.
bool SaveMiscCache(const std::string& path, const MiscFigures& figures);
