#include "db/Database.h"

#include <filesystem>
#include <limits>
#include <vector>

#include "db/JetText.h"
#include "db/RunningProgram.h"
#include "db/Utf8Path.h"

std::unique_ptr<Connection> gConn;
std::unique_ptr<Recordset> gRs;
std::string gDbPath;

namespace {

std::string& AppDirOverride() {
    static std::string dir;
    return dir;
}

std::string WithSeparator(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

// The tables every view reads; a file without them is not a DUZEDO.
bool HasDuzedoTables(const Connection& conn) {
    const std::vector<std::string> names = conn.tableNames();
    for (const std::string_view required : {"scores", "tables", "tournament players", "rankings"}) {
        bool found = false;
        for (const std::string& name : names) found = found || JetEqual(name, required);
        if (!found) return false;
    }
    return true;
}

}  // namespace

std::string AppDir() {
    if (!AppDirOverride().empty()) return AppDirOverride();
    if (const auto exe = RunningProgram()) return WithSeparator(Utf8Text(exe->parent_path()));
    std::error_code error;
    return WithSeparator(Utf8Text(std::filesystem::current_path(error)));
}

void SetAppDir(std::string dir) {
    AppDirOverride() = dir.empty() ? dir : WithSeparator(dir);
}

std::string ConnectionString(std::string_view dbPath) {
    std::string text = "Provider=Microsoft.Jet.OLEDB.4.0;";
    text += "Data Source=";
    text += dbPath;
    text += ";User Id=Admin;";
    text += "Password=; Jet OLEDB:Database";
    return text;
}

std::unique_ptr<Connection> OpenDuzedo(const std::string& path) {
    auto conn = std::make_unique<Connection>();
    conn->open(path, ConnectionString(path));
    if (!HasDuzedoTables(*conn)) throw DbError("'" + path + "' holds no DUZEDO tables");
    return conn;
}

void UseConnection(std::unique_ptr<Connection> conn) {
    DisconnectDb();
    gConn = std::move(conn);
    gRs = std::make_unique<Recordset>();
}

bool ConnectDb(const std::string& path, std::string* error) {
    try {
        UseConnection(OpenDuzedo(path));
        return true;
    } catch (const std::exception& e) {
        if (error != nullptr) *error = e.what();
        DisconnectDb();
        return false;
    }
}

void DisconnectDb() {
    if (gConn) gConn->close();
    gConn.reset();
    gRs.reset();
}

std::string ConnectedDbPath() {
    return gConn ? gConn->path() : std::string{};
}

QueryResult Query(std::string_view sql, long maxRecords) {
    if (!gConn) throw DbError("The connection is not open");
    return RunQuery(*gConn, sql, maxRecords);
}

std::int64_t ScalarQuery(std::string_view sql) {
    const QueryResult result = Query(sql, 1);
    return result.empty() ? 0 : NullToZero(result[0][0]);
}

std::int64_t NullToZero(const DbValue& value) {
    return value.isNull() ? 0 : value.toInt64();
}

bool BeyondInt64(const DbValue& value) {
    if (value.kind() != DbValue::Kind::Real && value.kind() != DbValue::Kind::Text) return false;
    try {
        const double v = value.toDouble();
        return !(v < 0x1p63 && v >= -0x1p63);
    } catch (const DbError&) {
        return false;  // text that is no number
    }
}

std::int64_t ClampedNullToZero(const DbValue& value) {
    if (!BeyondInt64(value)) return NullToZero(value);
    return value.toDouble() > 0 ? std::numeric_limits<std::int64_t>::max()
                                : std::numeric_limits<std::int64_t>::min();
}

WideInt WideScalarQuery(std::string_view sql) {
    const QueryResult result = Query(sql, 1);
    return result.empty() ? 0 : WideNullToZero(result[0][0]);
}

WideInt WideNullToZero(const DbValue& value) {
    if (value.kind() == DbValue::Kind::Text) {
        if (const auto wide = ParseWide(Trimmed(value.chars()))) return *wide;
    }
    return NullToZero(value);
}

std::int64_t CountRecords(Recordset& rs) {
    std::int64_t count = 0;
    while (!rs.eof()) {
        ++count;
        rs.moveNext();
    }
    rs.moveFirst();
    return count;
}

std::string SqlQuote(std::string_view name) {
    std::string quoted = "'";
    for (const char c : name) {
        if (c == '\'') quoted += '\'';
        quoted += c;
    }
    return quoted + "'";
}
