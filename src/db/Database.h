#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "db/Connection.h"
#include "db/WideNumber.h"

// The one connection and the one shared recordset every query of the program runs on. Created by
// ConnectDb, released by DisconnectDb.
extern std::unique_ptr<Connection> gConn;
extern std::unique_ptr<Recordset> gRs;
// Full path of the DUZEDO file the settings name, for the window.
extern std::string gDbPath;

// The application's directory, always ending in a path separator.
std::string AppDir();
// Tests and tools point the program at another directory.
void SetAppDir(std::string dir);

// The description the connection keeps: the classic connection string, built and never parsed.
std::string ConnectionString(std::string_view dbPath);

// Opens gConn on the file at path and creates gRs. Returns false (with the reason in error, when
// given) when the file is missing, empty, not a database or unreadable; the caller shows the
// message and ends the program.
bool ConnectDb(const std::string& path, std::string* error = nullptr);
// A connection to the DUZEDO at path, opened beside gConn; throws DbError (with the reason) where
// ConnectDb returns false.
std::unique_ptr<Connection> OpenDuzedo(const std::string& path);
// Closes gConn and puts conn in its place, with a fresh gRs.
void UseConnection(std::unique_ptr<Connection> conn);
void DisconnectDb();
// The file gConn was opened on; empty when it is not open.
std::string ConnectedDbPath();

// Runs sql on gConn: every record, or the first maxRecords when above 0. Throws DbError when the
// engine rejects sql.
QueryResult Query(std::string_view sql, long maxRecords = 0);

// First field of the first record of sql, through NullToZero; 0 when there is no record. Read as
// 64 bits: totals of a real DUZEDO exceed the 16-bit range. Throws DbError when the engine
// rejects sql or the value is not a number.
std::int64_t ScalarQuery(std::string_view sql);
// 0 for null, else the value as a whole number (a fraction rounds half to even).
std::int64_t NullToZero(const DbValue& value);
// Whether value is a number beyond the 64-bit range, as a damaged file's real numbers can be.
bool BeyondInt64(const DbValue& value);
// NullToZero, but such a number gives the range's nearest end.
std::int64_t ClampedNullToZero(const DbValue& value);
// The same for a sum, which passes the 64-bit range as decimal text (see RegisterWideSql).
WideInt WideScalarQuery(std::string_view sql);
WideInt WideNullToZero(const DbValue& value);
// Records from the current position to the end; leaves rs on its first record.
std::int64_t CountRecords(Recordset& rs);

// A name as an SQL text literal: between single quotes, with every single quote inside doubled,
// so "O'Neil S" gives 'O''Neil S'. Every name the program puts into SQL goes through here.
std::string SqlQuote(std::string_view name);
