#pragma once

// Supervision of the reader program, which runs libmdb on an Access file in a process of its own
// and writes the tables to its standard output as a table stream (AccessStream.h).

#include <filesystem>
#include <string>
#include <vector>

#include "db/AccessStream.h"
#include "db/DbFile.h"

namespace access_detail {

// The reader's arguments for file: its absolute name, or, where a Qt string cannot hold that
// name, kHexArgument and the name's bytes in hexadecimal (AccessStream.h); then the tables to
// read, none for all.
std::vector<std::string> ReaderArguments(const std::string& file,
                                         const std::vector<std::string>& tables = {});

// The reader program, expected beside the running executable. Throws DbError when there is no
// telling where that is.
std::filesystem::path ReaderProgram();

// Runs program with arguments and feeds the tables of the stream it writes to sink. A program that
// is missing or does not start, its death by a signal, an exit other than a clean one, a
// malformed stream, a stall or a run past its lifetime throws DbError; a Failure frame throws
// DbError with the reader's reason. The child is killed and reaped whatever happens, also when
// the sink throws. Needs no QCoreApplication: it waits on the process synchronously.
void RunReader(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               TableSink& sink, const ChildLimits& limits);

}  // namespace access_detail
