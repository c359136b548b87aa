#pragma once

#include <string>
#include <vector>

class QLineEdit;

// Offers the names that begin with what has been typed into box, whatever its letter case, in a
// list under it. Choosing one (mouse, or arrow keys) puts it into the box; the box's Enter then
// acts on the whole name, once.
void CompleteNames(QLineEdit& box, const std::vector<std::string>& names);
