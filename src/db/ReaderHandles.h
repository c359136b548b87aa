#pragma once

#include <QProcess>

namespace access_detail {

// Windows hands a child process every inheritable handle its parent holds: a file the tool is
// still writing, say, which then cannot be renamed while the child lives, and which a reader
// subverted by a hostile file could write to. This makes the process give its next child its
// three standard handles only. Linux readers close what they inherit themselves.
void InheritStandardHandlesOnly(QProcess& process);

}  // namespace access_detail
