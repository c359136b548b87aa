// duzedo: sample databases, queries through the program's own engine, conversions.
//
// Every command is one row of kCommands: its name, usage, options and handler. A failure of any
// kind prints one line on stderr and exits with status 2.

#include <QGuiApplication>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/AppServices.h"
#include "core/Json.h"
#include "db/Connection.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "db/DbValue.h"
#include "duzedo/Report.h"
#include "duzedo/SampleDuzedo.h"
#include "duzedo/WholeNumber.h"
#include "jetwriter/JetWriter.h"
#include "tournaments/DiagramImage.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitError = 2;

// A failure to report: the message is printed as the one line on stderr.
class ToolError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// ----------------------------------------------------------------------------------------------
// Command table and argument parsing.

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;

    bool has(std::string_view flag) const { return flags.count(flag) != 0; }
    const std::string* value(std::string_view option) const {
        const auto it = values.find(option);
        return it == values.end() ? nullptr : &it->second;
    }
    const std::string& required(std::string_view option) const {
        const std::string* v = value(option);
        if (v == nullptr) throw ToolError("missing option " + std::string(option));
        return *v;
    }
};

struct Command {
    std::string_view name;
    std::string_view usage;  // arguments after the command name
    std::string_view summary;
    std::vector<std::string_view> valueOptions;  // options that take a value, e.g. --seed N
    std::vector<std::string_view> flagOptions;   // options without a value, e.g. --json
    std::size_t minPositional;                   // positional arguments: at least ...
    std::size_t maxPositional;                   // ... and at most
    int (*run)(const Args&);
};

int RunSample(const Args& args);
int RunSql(const Args& args);
int RunToSqlite(const Args& args);
int RunToMdb(const Args& args);
int RunReportCommand(const Args& args);
int RunPictures(const Args& args);

const std::vector<Command> kCommands = {
    {"sample",
     "--seed N [--scale K] --out DIR",
     "write the sample DUZEDO as DIR/duzedo.mdb (Jet 4) and DIR/duzedo.sqlite",
     {"--seed", "--scale", "--out"},
     {},
     0,
     0,
     RunSample},
    {"sql",
     "DB \"SQL TEXT\" [--json]",
     "run a query through the program's engine; tab-separated output, or JSON with --json",
     {},
     {"--json"},
     2,
     2,
     RunSql},
    {"to-sqlite",
     "IN OUT",
     "copy the tables of a DUZEDO (Access or SQLite) that the program reads into an SQLite file",
     {},
     {},
     2,
     2,
     RunToSqlite},
    {"to-mdb",
     "IN OUT",
     "copy the tables of a DUZEDO (Access or SQLite) that the program reads into a new Access "
     "(Jet 4) file",
     {},
     {},
     2,
     2,
     RunToMdb},
    {"report",
     "VIEW DB [--option value ...]",
     "print as JSON what a view shows (--format csv: its grid as CSV); views: rankings "
     "[--month N] [--country NAME] [--limit 0|1], months, player --name NAME, games --player "
     "NAME [--mode 1|2] [--order 0..5], positions --player NAME [--row K], progress --player "
     "NAME, tournaments [--country C], tournament --name T [--player P], worldcup --wc 0|1 "
     "--phase 0..8, winners, misc [--min-games N], records --stat 0..21 [--limit 0|1] "
     "[--min-games N], options, pair --p1 NAME --p2 NAME [--seed N], predict --home NAME --away "
     "NAME [--seed N] [--count K], fantasy --players \"A;B;C\" [--seed N]; graphs take [--width "
     "W] [--height H] in twips",
     ReportOptionNames(),
     {},
     2,
     2,
     RunReportCommand},
    {"pictures",
     "DB --out DIR",
     "draw the diagram pictures of the multi-phase tournament and the World Cups from the "
     "database's games into DIR (Gr7R1.bmp ... Gr7Cup.bmp, wc1ploff.bmp ... wc2plout.bmp)",
     {"--out"},
     {},
     1,
     1,
     RunPictures},
};

void PrintUsage(std::ostream& out) {
    out << "usage: duzedo COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& c : kCommands) {
        out << "  duzedo " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
    }
    out << "\n  duzedo --help            this text; duzedo COMMAND --help for one command\n"
           "\nExit status: 0 on success, 2 on any error.\n";
}

bool Contains(const std::vector<std::string_view>& list, std::string_view s) {
    for (std::string_view x : list) {
        if (x == s) return true;
    }
    return false;
}

Args ParseArgs(const Command& command, const std::vector<std::string>& words) {
    Args args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            args.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = word;
        std::string value;
        bool inlineValue = false;
        if (const auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = word.substr(0, eq);
            value = word.substr(eq + 1);
            inlineValue = true;
        }
        if (Contains(command.valueOptions, name)) {
            if (!inlineValue) {
                if (i + 1 >= words.size()) throw ToolError("option " + name + " needs a value");
                value = words[++i];
            }
            if (!args.values.emplace(name, value).second) {
                throw ToolError("option " + name + " given twice");
            }
        } else if (Contains(command.flagOptions, name) && !inlineValue) {
            args.flags.insert(name);
        } else {
            throw ToolError("unknown option " + word + " for " + std::string(command.name));
        }
    }
    const std::size_t given = args.positional.size();
    if (given < command.minPositional || given > command.maxPositional) {
        throw ToolError(std::string(given < command.minPositional ? "missing" : "unexpected") +
                        " argument; usage: duzedo " + std::string(command.name) + " " +
                        std::string(command.usage));
    }
    return args;
}

// ----------------------------------------------------------------------------------------------
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

// ----------------------------------------------------------------------------------------------
// JSON.

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

// ----------------------------------------------------------------------------------------------
// Commands.

int RunSample(const Args& args) {
    SampleOptions options;
    options.seed =
        WholeNumberOption<std::uint64_t>("--seed", args.required("--seed"), 0, UINT64_MAX);
    if (const std::string* scale = args.value("--scale")) {
        options.scale = WholeNumberOption<int>("--scale", *scale, 1, kMaxSampleScale);
    }
    const fs::path dir = args.required("--out");
    if (dir.empty()) throw ToolError("option --out: empty directory name");
    fs::create_directories(dir);

    // Both writers keep their file under a temporary name until it is complete.
    SqliteFileWriter sqlite((dir / "duzedo.sqlite").string());
    JetFileWriter mdb((dir / "duzedo.mdb").string());
    TeeSink both({&sqlite, &mdb});
    WriteSampleDuzedo(options, both);
    sqlite.finish();
    mdb.finish();
    std::cout << "wrote " << (dir / "duzedo.sqlite").string() << " and "
              << (dir / "duzedo.mdb").string() << "\n";
    return 0;
}

int RunSql(const Args& args) {
    const std::string& db = args.positional[0];
    const std::string& sql = args.positional[1];
    gDbPath = db;
    std::string error;
    if (!ConnectDb(&error)) {
        throw ToolError("cannot open the database " + db + (error.empty() ? "" : ": " + error));
    }
    struct Disconnect {
        ~Disconnect() { DisconnectDb(); }
    } disconnect;

    const QueryResult rows = Query(sql);
    std::string out;
    if (args.has("--json")) {
        out += "[";
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
        out += rows.empty() ? "]\n" : "\n]\n";
    } else {
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
    }
    std::cout << out;
    return 0;
}

int RunToSqlite(const Args& args) {
    const std::string& in = args.positional[0];
    const fs::path out = args.positional[1];
    Connection conn;
    conn.open(in, ConnectionString(in));
    // The input is held in memory, so OUT may even be IN.
    SqliteFileWriter output(out.string());
    CopyTables(conn, output);
    output.finish();
    return 0;
}

int RunReportCommand(const Args& args) {
    RunReport(args.positional[0], args.positional[1], args.values, std::cout);
    return 0;
}

int RunPictures(const Args& args) {
    const std::string& db = args.positional[0];
    const std::string& dir = args.required("--out");
    if (dir.empty()) throw ToolError("option --out: empty directory name");
    gDbPath = db;
    std::string error;
    if (!ConnectDb(&error)) {
        throw ToolError("cannot open the database " + db + (error.empty() ? "" : ": " + error));
    }
    struct Disconnect {
        ~Disconnect() { DisconnectDb(); }
    } disconnect;

    // Drawing text needs the GUI module's fonts, never a display. Qt's notices about the
    // environment of a platform without a screen would break the one-line error rule.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "duzedo";
    char* argv[] = {name, nullptr};
    const QGuiApplication gui(argc, argv);
    for (const std::string& path : WriteDiagramPictures(dir)) std::cout << "wrote " << path << "\n";
    return 0;
}

int RunToMdb(const Args& args) {
    const std::string& in = args.positional[0];
    Connection conn;
    conn.open(in, ConnectionString(in));
    // The input is held in memory, so OUT may even be IN.
    JetFileWriter output(args.positional[1]);
    CopyTables(conn, output);
    output.finish();
    return 0;
}

// The message on one line, its control characters escaped: it may quote a damaged database.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return Printable(text);
}

int Fail(const std::string& message) {
    std::cerr << "duzedo: " << OneLine(message) << "\n";
    return kExitError;
}

int Main(const std::vector<std::string>& words) {
    if (words.empty()) return Fail("missing command; see duzedo --help");
    const std::string& name = words[0];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        for (const std::string& w : rest) {
            if (w == "--") break;
            if (w == "--help" || w == "-h") {
                std::cout << "usage: duzedo " << command.name << " " << command.usage << "\n  "
                          << command.summary << "\n";
                return 0;
            }
        }
        return command.run(ParseArgs(command, rest));
    }
    return Fail("unknown command '" + name + "'; see duzedo --help");
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> words(argv + 1, argv + argc);
        const int status = Main(words);
        std::cout.flush();
        return status;
    } catch (const std::exception& e) {
        return Fail(e.what());
    } catch (...) {
        return Fail("unexpected failure");
    }
}
