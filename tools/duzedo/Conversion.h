#pragma once

#include <ostream>
#include <string>

#include "db/DbFile.h"

class Connection;

// What to-sqlite and to-mdb keep of an Access file: every user table, system tables left out. The
// DUZEDO tables come as the program reads them, so that it reads the copy as it reads the file;
// every other table with its columns and values as stored (TableSink.h), yes/no as 1 and 0. Each
// column left out is said on notes, one line each. Returns whether the file holds a DUZEDO table.
// Throws DbError when the file cannot be read, and std::runtime_error with out's reason when out
// refuses a table or a row.
bool CopyAccessFile(const std::string& path, TableSink& out, std::ostream& notes);
// The same of an SQLite file, whose DUZEDO tables program holds as the program read them from it
// (the copy keeps them exactly so); every other table as ReadSqliteFileAsStored reads it, yes/no
// as 1 and 0. Tables keep the file's order.
bool CopySqliteFile(const std::string& path, const Connection& program, TableSink& out,
                    std::ostream& notes);
