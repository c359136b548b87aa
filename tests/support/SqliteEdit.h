#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>

// An SQLite file opened for writing behind the program's back, to damage or change a DUZEDO.
struct CloseSqlite {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, CloseSqlite>;

inline SqliteHandle OpenForWriting(const std::filesystem::path& path) {
    sqlite3* raw = nullptr;
    sqlite3_open(reinterpret_cast<const char*>(path.u8string().c_str()), &raw);
    return SqliteHandle(raw);
}

// Runs sql, failing the test when SQLite refuses it.
inline void Exec(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message != nullptr ? message : "";
    sqlite3_free(message);
    ASSERT_EQ(rc, SQLITE_OK) << text << " in " << sql;
}
