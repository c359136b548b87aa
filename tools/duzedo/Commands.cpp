#include "duzedo/Commands.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "core/AppServices.h"
#include "core/Json.h"
#include "db/Connection.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "db/DbValue.h"
#include "db/Utf8Path.h"
#include "duzedo/Conversion.h"
#include "duzedo/Painting.h"
#include "jetwriter/JetWriter.h"
#include "site/Site.h"
#include "tournaments/DiagramFiles.h"

namespace {

namespace fs = std::filesystem;

// Hands every table to several sinks at once.
class TeeSink : public TableSink {
  public:
    explicit TeeSink(std::vector<TableSink*> sinks) : sinks_(std::move(sinks)) {}
    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        for (TableSink* s : sinks_) s->beginTable(name, columns);
    }
    void addRow(const std::vector<DbValue>& row) override {
        for (TableSink* s : sinks_) s->addRow(row);
    }
    void endTable() override {
        for (TableSink* s : sinks_) s->endTable();
    }

  private:
    std::vector<TableSink*> sinks_;
};

// The program's database connection to db, for as long as it lives.
class ConnectedDb {
  public:
    explicit ConnectedDb(const std::string& db) {
        std::string error;
        if (!ConnectDb(db, &error)) {
            throw std::runtime_error("cannot open the database " + db +
                                     (error.empty() ? "" : ": " + error));
        }
    }
    ~ConnectedDb() { DisconnectDb(); }
    ConnectedDb(const ConnectedDb&) = delete;
    ConnectedDb& operator=(const ConnectedDb&) = delete;
};

void AppendJsonValue(std::string& out, const DbValue& v) {
    switch (v.kind()) {
        case DbValue::Kind::Null:
            out += "null";
            break;
        case DbValue::Kind::Integer:
            out += std::to_string(v.toInt64());
            break;
        case DbValue::Kind::Real:
            AppendJsonNumber(out, v.toDouble());
            break;
        case DbValue::Kind::Text:
        case DbValue::Kind::Date:
            AppendJsonString(out, v.toString());
            break;
    }
}

std::string RowsAsJson(const QueryResult& rows) {
    std::string out = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? "\n{" : ",\n{";
        for (int f = 0; f < rows.fieldCount(); ++f) {
            if (f > 0) out += ", ";
            AppendJsonString(out, rows.fieldName(f));
            out += ": ";
            AppendJsonValue(out, rows[r][f]);
        }
        out += "}";
    }
    return out + (rows.empty() ? "]\n" : "\n]\n");
}

// A header line of the field names, then a line for each row.
std::string RowsAsText(const QueryResult& rows) {
    std::string out;
    for (int f = 0; f < rows.fieldCount(); ++f) {
        if (f > 0) out += '\t';
        out += rows.fieldName(f);
    }
    out += '\n';
    for (const Record row : rows) {
        for (int f = 0; f < rows.fieldCount(); ++f) {
            if (f > 0) out += '\t';
            out += row[f].toString();
        }
        out += '\n';
    }
    return out;
}

// A bar on standard error that fills as pages are written; nothing when it is not a terminal.
SiteProgress ProgressBar() {
    if (isatty(STDERR_FILENO) == 0) return {};
    return [](std::size_t written, std::size_t total) {
        constexpr std::size_t kWidth = 40;
        const std::size_t filled = total == 0 ? kWidth : written * kWidth / total;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
                  << written << "/" << total << " pages" << (written == total ? "\n" : "")
                  << std::flush;
        return true;
    };
}

// Drawing text needs the GUI module's fonts, never a display. Qt's notices about the environment
// of a platform without a screen would break the one-line error rule.
}  // namespace

void RunSample(const SampleOptions& options, const fs::path& dir) {
    fs::create_directories(dir);
    // Both writers keep their file under a temporary name until it is complete.
    SqliteFileWriter sqlite(Utf8Text(dir / "duzedo.sqlite"));
    JetFileWriter mdb(Utf8Text(dir / "duzedo.mdb"));
    TeeSink both({&sqlite, &mdb});
    WriteSampleDuzedo(options, both);
    sqlite.finish();
    mdb.finish();
    std::cout << "wrote " << Utf8Text(dir / "duzedo.sqlite") << " and "
              << Utf8Text(dir / "duzedo.mdb") << "\n";
}

void RunSql(const std::string& db, const std::string& sql, bool json) {
    const ConnectedDb connected(db);
    const QueryResult rows = Query(sql);
    std::cout << (json ? RowsAsJson(rows) : RowsAsText(rows));
}

namespace {

// Copies in to output as the conversions keep it (Conversion.h), then finishes output. out, the
// file output writes, may be in: it takes its place only once complete.
template <typename Writer>
void Convert(const std::string& in, const std::string& out) {
    const DbFileFormat format = DetectDbFileFormat(in);
    bool duzedo = false;
    if (format != DbFileFormat::Jet3 && format != DbFileFormat::Jet4 &&
        format != DbFileFormat::Ace) {
        Connection conn;
        conn.open(in, ConnectionString(in));
        Writer output(out);
        duzedo = CopySqliteFile(in, conn, output, std::cerr);
        output.finish();
    } else {
        Writer output(out);
        duzedo = CopyAccessFile(in, output, std::cerr);
        output.finish();
    }
    if (!duzedo) {
        std::cerr << "duzedo: " << Printable(in)
                  << " holds none of the tables the program reads: not a DUZEDO, converted all "
                     "the same\n";
    }
}

}  // namespace

void RunToSqlite(const std::string& in, const std::string& out) {
    Convert<SqliteFileWriter>(in, out);
}

void RunToMdb(const std::string& in, const std::string& out) {
    Convert<JetFileWriter>(in, out);
}

void RunPictures(const std::string& db, const std::string& dir) {
    const ConnectedDb connected(db);
    const Painting painting;
    for (const std::string& path : WriteDiagramPictures(dir)) std::cout << "wrote " << path << "\n";
}

int RunSite(const std::string& db, const std::string& dir, SiteOptions options) {
    if (options.title.empty()) options.title = SiteOptions{}.title;
    const ConnectedDb connected(db);
    const Painting painting;  // the diagrams' pictures and the graphs' labels
    const SiteSummary site = WriteSite(Utf8Path(dir), options, ProgressBar());
    std::error_code ignored;
    std::cout << "wrote " << site.pages << " pages, " << (site.bytes + 1023) / 1024 << " KiB, to "
              << Utf8Text(NormalAbsolutePath(Utf8Path(dir), ignored)) << "\n";
    for (const std::string& omission : site.omissions) {
        std::cerr << "duzedo: " << Printable(omission) << "\n";
    }
    return site.omissions.empty() ? 0 : 1;
}
