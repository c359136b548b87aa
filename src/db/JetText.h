#pragma once

#include <string>
#include <string_view>

// Text comparison as the DUZEDO's own engine does it: letter case is ignored, accents count, and
// trailing blanks do not take part. Sorting puts an accented letter beside its base letter.

// Negative, zero or positive, as for a sort.
int JetCompare(std::string_view a, std::string_view b);
bool JetEqual(std::string_view a, std::string_view b);

// value LIKE pattern with % (any run) and _ (one character), case-insensitive.
bool JetLike(std::string_view value, std::string_view pattern);

// Key that compares equal exactly when JetEqual does: trailing blanks removed, case folded.
std::string JetFoldKey(std::string_view text);
