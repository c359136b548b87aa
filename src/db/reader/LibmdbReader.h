#pragma once

#include <string>

#include "db/AccessStream.h"

// Writes every user table of the Access file at path to out, in the file's order, without Done.
// Throws std::runtime_error with the reason when libmdb cannot make sense of the file.
void ReadWithLibmdb(const std::string& path, access_detail::StreamWriter& out);
