#pragma once

#include <string>
#include <vector>

#include "db/AccessStream.h"

// Writes the user tables of the Access file at path that tables names (every one when it is
// empty) to out, in the file's order, without Done. Throws std::runtime_error with the reason
// when libmdb cannot make sense of the file or of one of those tables; the others are not read.
void ReadWithLibmdb(const std::string& path, const std::vector<std::string>& tables,
                    access_detail::StreamWriter& out);
