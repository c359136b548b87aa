#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbValue.h"
#include "db/TableSink.h"

// What a database file is, told from its first bytes rather than its name.
enum class DbFileFormat { Unknown, Sqlite, Jet3, Jet4, Ace };
DbFileFormat DetectDbFileFormat(const std::string& path);

// The declared type an in-memory (or exported SQLite) table uses for a column type. The engine
// recognises dates and yes/no values by it.
std::string_view DeclaredType(ColumnType type);
// The column type behind any declared SQLite type (for SQLite files made by other programs).
ColumnType ColumnTypeFromDeclared(std::string_view declared);

// Reads the user tables of an Access (Jet 3, Jet 4, ACE) file that tables names, or every one
// when it is empty; the others are not even looked at. Throws DbError when the file or one of
// those tables cannot be read. Columns and values come as the program loads them (the first nine
// column types, ProgramColumnType and ProgramValue); attachment and multi-value columns are left
// out.
void ReadAccessFile(const std::string& path, TableSink& sink,
                    const std::vector<std::string>& tables = {});
// Reads every user table of an Access file with its columns and values as stored (TableSink.h),
// for a conversion that keeps them; each column left out comes with a note saying why.
void ReadAccessFileAsStored(const std::string& path, TableSink& sink);

// A column of the stored form as the program loads it: Large Number as Integer32, Decimal as
// Real, Date/Time Extended as DateTime, the rest without a type of their own as Memo.
ColumnType ProgramColumnType(ColumnType stored);
// A value of a column of that type likewise, in place: currency and decimal text as the nearest
// double, binary bytes as hexadecimal text, OLE objects as null.
void ToProgramValue(ColumnType stored, DbValue& value);
// Reads the tables of an SQLite file (every table, or those wanted says yes to), opened read-only,
// with the changes its write-ahead log holds. Throws DbError likewise.
void ReadSqliteFile(const std::string& path, TableSink& sink,
                    const std::function<bool(const std::string&)>& wanted = {});

// Reads the user tables of an SQLite file made by any program likewise with their columns and
// values as stored, for a conversion that keeps them; wanted is asked of each table, in the file's
// order, just before it would be read. A column's type is its declared type as the engine's
// affinity reads it (INTEGER, REAL, TEXT, BLOB or else NUMERIC as Integer32, Real, Text, Binary or
// Decimal), with yes/no for a BOOLEAN-like name and date/time for a DATE- or TIME-like one whose
// values are all "YYYY-MM-DD HH:MM:SS" text; the types DeclaredType names come back as themselves.
void ReadSqliteFileAsStored(const std::string& path, TableSink& sink,
                            const std::function<bool(const std::string&)>& wanted = {});

// Writes tables into a new SQLite file at path, replacing any file there. The file holds plain
// declared types (DeclaredType) and no engine-specific collations, so any SQLite tool reads it,
// and the program opens it as a DUZEDO. finish() commits; without it the file is left incomplete
// and removed. Throws DbError on failure.
class SqliteFileWriter : public TableSink {
  public:
    explicit SqliteFileWriter(const std::string& path);
    ~SqliteFileWriter() override;
    SqliteFileWriter(const SqliteFileWriter&) = delete;
    SqliteFileWriter& operator=(const SqliteFileWriter&) = delete;

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override;
    void addRow(const std::vector<DbValue>& row) override;
    void endTable() override;
    void finish();

  private:
    struct State;
    std::unique_ptr<State> state_;
};
