// duzedo: sample databases, queries through the program's own engine, conversions, reports and
// the statistics as a web site.
//
// CLI11 reads the command line: every command has its own --help, and option values are checked
// before a command runs. A failure of any kind prints one line on stderr and exits with status 2.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <iostream>
#include <iterator>
#include <numeric>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/AppServices.h"
#include "db/Utf8Path.h"
#include "duzedo/Commands.h"
#include "duzedo/Report.h"
#include "duzedo/WholeNumber.h"

namespace {

constexpr int kExitError = 2;

// What the command line gives, filled in by the parser for the command's callback.
struct Arguments {
    SampleOptions sample;
    std::string db;
    std::string sql;
    bool json = false;
    std::string in;
    std::string out;  // OUT of a conversion, or --out DIR
    std::string view;
    SiteOptions site;
    int status = 0;  // of a command that finished yet did not do all it was asked
};

std::string RangeText(WholeNumberRange range) {
    if (range.max == UINT64_MAX) return "N";
    const std::string min = std::to_string(range.min);
    const std::string max = std::to_string(range.max);
    return min + (range.max == range.min + 1 ? "|" : "..") + max;
}

// The option takes a whole number from range, in decimal. The text is rewritten as its number, so
// the parser's own conversion (which would read "010" as octal) reads the number meant.
CLI::Option* TakesWholeNumber(CLI::Option* option, WholeNumberRange range) {
    const auto check = [range](std::string& text) {
        const auto number = ParseWholeNumber(text, range.min, range.max);
        if (!number) return NotAWholeNumber(text, range.min, range.max);
        text = std::to_string(*number);
        return std::string();
    };
    return option->type_name(RangeText(range))->check(CLI::Validator(check, ""));
}

CLI::Option* TakesDirectory(CLI::Option* option) {
    const auto check = [](const std::string& text) {
        return std::string(text.empty() ? "empty directory name" : "");
    };
    return option->type_name("DIR")->check(CLI::Validator(check, ""));
}

void AddSample(CLI::App& app, Arguments& a) {
    CLI::App* command = app.add_subcommand(
        "sample", "write the sample DUZEDO as DIR/duzedo.mdb (Jet 4) and DIR/duzedo.sqlite");
    TakesWholeNumber(command->add_option("--seed", a.sample.seed, "the same seed, the same files"),
                     {0, UINT64_MAX})
        ->required();
    TakesWholeNumber(command->add_option("--scale", a.sample.scale,
                                         "multiplies players, tournaments and games (default 1)"),
                     {1, kMaxSampleScale});
    TakesDirectory(command->add_option("--out", a.out, "made when missing"))->required();
    command->callback([&a] { RunSample(a.sample, Utf8Path(a.out)); });
}

void AddSql(CLI::App& app, Arguments& a) {
    CLI::App* command = app.add_subcommand(
        "sql", "run a query through the program's engine; tab-separated output, or JSON");
    command->add_option("DB", a.db, "the database, Access or SQLite")->required();
    command->add_option("SQL", a.sql, "one statement that reads")->required();
    command->add_flag("--json", a.json, "print the rows as a JSON array");
    command->callback([&a] { RunSql(a.db, a.sql, a.json); });
}

void AddConversion(CLI::App& app, Arguments& a, const std::string& name, const std::string& into,
                   void (*run)(const std::string&, const std::string&)) {
    const std::string what =
        "copy every table of an Access file (of an SQLite file, the tables the program reads) "
        "into " +
        into;
    CLI::App* command = app.add_subcommand(name, what);
    command->add_option("IN", a.in, "the database read, Access or SQLite")->required();
    command->add_option("OUT", a.out, "the file written; may be IN")->required();
    command->callback([&a, run] { run(a.in, a.out); });
}

void AddReport(CLI::App& app, Arguments& a) {
    CLI::App* command = app.add_subcommand(
        "report", "print as JSON what a view shows, or its grid as CSV; graphs' sizes in twips");
    command->add_option("VIEW", a.view, "one of: " + ReportViewNames())->required();
    command->add_option("DB", a.db, "the database, Access or SQLite")->required();
    std::vector<CLI::Option*> options;
    for (const ReportOption& report : ReportOptionList()) {
        CLI::Option* option = command->add_option(report.name, report.description);
        report.range ? TakesWholeNumber(option, *report.range) : option->type_name("TEXT");
        options.push_back(option);
    }
    command->callback([&a, options] {
        ReportOptions given;
        for (const CLI::Option* option : options) {
            if (option->count() > 0) given.emplace(option->get_name(), option->as<std::string>());
        }
        RunReport(a.view, a.db, given, std::cout);
    });
}

void AddPictures(CLI::App& app, Arguments& a) {
    CLI::App* command = app.add_subcommand(
        "pictures",
        "draw the diagram pictures of the multi-phase tournament and the World Cups from the "
        "database's games into DIR (Gr7R1.bmp ... Gr7Cup.bmp, wc1ploff.bmp ... wc2plout.bmp)");
    command->add_option("DB", a.db, "the database, Access or SQLite")->required();
    TakesDirectory(command->add_option("--out", a.out, "made when missing"))->required();
    command->callback([&a] { RunPictures(a.db, a.out); });
}

void AddSite(CLI::App& app, Arguments& a) {
    CLI::App* command = app.add_subcommand(
        "site", "write the statistics as a static web site into DIR, replacing it whole");
    command->add_option("DB", a.db, "the database, Access or SQLite")->required();
    TakesDirectory(command->add_option("--out", a.out, "made when missing"))->required();
    command->add_option("--title", a.site.title, "the site's name in every page's header")
        ->type_name("TEXT");
    command
        ->add_option("--base-url", a.site.baseUrl,
                     "the http(s) address the site will be served from, for sitemap.xml")
        ->type_name("URL");
    command->add_flag("--force", a.site.force,
                      "replace DIR even when it holds files the site command did not write");
    command->callback([&a] { a.status = RunSite(a.db, a.out, a.site); });
}

// Levenshtein's: the fewest letters put in, taken out or changed that turn a into b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Why word cannot start the line, or nothing when it names a command or asks for help. The
// nearest command is suggested when word looks like a slip of the fingers.
std::string CommandMistake(const CLI::App& app, const std::string& word) {
    if (word == "--help" || word == "-h") return "";
    std::pair<std::size_t, std::string> nearest{SIZE_MAX, ""};
    for (const CLI::App* command : app.get_subcommands(nullptr)) {
        nearest = std::min(nearest, {EditDistance(word, command->get_name()), command->get_name()});
    }
    const auto& [distance, name] = nearest;
    if (distance == 0) return "";
    const bool slip = distance <= std::max<std::size_t>(2, name.size() / 3);
    return "unknown command '" + word + "'; " + (slip ? "did you mean '" + name + "'? " : "") +
           "see duzedo --help";
}

bool TakesValue(const CLI::Option& option) {
    return option.get_items_expected_max() > 0;
}

// The command's line for a reader who left something out: its arguments, then its options in
// brackets where they may be left out (all together when there are many).
std::string Usage(const CLI::App& command) {
    std::string arguments;
    std::string required;
    std::string all;
    std::size_t optional = 0;
    for (const CLI::Option* option : command.get_options()) {
        if (option == command.get_help_ptr()) continue;
        std::string word = option->get_name();
        if (option->get_positional()) {
            arguments += " " + word;
            continue;
        }
        if (TakesValue(*option)) word += " " + option->get_type_name();
        if (option->get_required()) required += " " + word;
        all += " " + (option->get_required() ? word : "[" + word + "]");
        optional += option->get_required() ? 0 : 1;
    }
    return "usage: duzedo " + command.get_name() + arguments +
           (optional > 3 ? required + " [OPTIONS]" : all);
}

// The first word the command did not take. Those after "--" when its arguments are all given fall
// back to the tool itself.
std::string FirstUnwantedWord(const CLI::App& app, const CLI::App& command) {
    std::vector<std::string> words = command.remaining();
    std::ranges::copy(app.remaining(), std::back_inserter(words));
    std::erase(words, "--");
    return words.empty() ? "" : words[0];
}

// What the parser found wrong with the command's words, said as the tool says it (the parser's own
// texts speak of its workings). Its state after the failure tells which word is at fault; an
// option that lacks its value is the last word, as the words ran out before it got one.
std::string ParseMistake(const CLI::ParseError& error, const CLI::App& app, const CLI::App& command,
                         const std::string& lastWord) {
    const auto first = [&command](const std::function<bool(const CLI::Option*)>& wanted) {
        const std::vector<const CLI::Option*> found = command.get_options(wanted);
        return found.empty() ? nullptr : found.front();
    };
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        const auto missing = first([](auto* o) { return o->get_required() && o->count() == 0; });
        if (missing == nullptr) return error.what();
        return (missing->get_positional() ? "missing argument " : "missing option ") +
               missing->get_name() + "; " + Usage(command);
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        const auto twice = first([](auto* o) { return TakesValue(*o) && o->count() > 1; });
        if (twice != nullptr) return "option " + twice->get_name() + " given twice";
        return "option " + lastWord.substr(0, lastWord.find('=')) + " needs a value";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
        const auto flag = first([](auto* o) { return !TakesValue(*o) && o->count() > 0; });
        if (flag != nullptr) return "option " + flag->get_name() + " takes no value";
    }
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
        return "option " + std::string(error.what());  // the option's name and our own check's text
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        if (std::string word = FirstUnwantedWord(app, command); !word.empty()) {
            const bool option = word.size() > 1 && word[0] == '-';
            return (option ? "unknown option " + word : "unexpected argument '" + word + "'") +
                   " for " + command.get_name();
        }
    }
    return error.what();
}

// The message on one line, its control characters escaped: it may quote a damaged database.
int Fail(std::string message) {
    std::replace_if(
        message.begin(), message.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    std::cerr << "duzedo: " << Printable(message) << "\n";
    return kExitError;
}

int Main(int argc, char** argv) {
    CLI::App app(
        "duzedo: sample databases, queries through the program's own engine, "
        "conversions, reports, the web site; duzedo COMMAND --help describes one command",
        "duzedo");
    app.footer(
        "Exit status: 0 on success, 1 when a site was written with pages left out (the reason on "
        "standard error), 2 on any error.");
    // Options are written --name on every system: on Windows the library would otherwise also take
    // /name, and with it an absolute path as given by a Linux shell under Wine.
    app.allow_windows_style_options(false);
    // One command; the words after it are its own, even one that names another command.
    app.require_subcommand(1);
    Arguments a;
    AddSample(app, a);
    AddSql(app, a);
    AddConversion(app, a, "to-sqlite", "an SQLite file", RunToSqlite);
    AddConversion(app, a, "to-mdb", "a new Access (Jet 4) file", RunToMdb);
    AddReport(app, a);
    AddPictures(app, a);
    AddSite(app, a);

    if (argc < 2) return Fail("missing command; see duzedo --help");
    const std::string first = argv[1];
    if (first == "help") {
        std::cout << app.help();
        return 0;
    }
    if (const std::string mistake = CommandMistake(app, first); !mistake.empty()) {
        return Fail(mistake);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const std::vector<CLI::App*> given = app.get_subcommands();
        // --help wins over any other mistake on the line, as a reader of the help expects.
        if (e.get_exit_code() == 0 || (!given.empty() && given[0]->get_help_ptr()->count() > 0)) {
            std::cout << app.help();
            return 0;
        }
        if (given.empty()) return Fail(e.what());
        return Fail(ParseMistake(e, app, *given[0], argv[argc - 1]));
    }
    return a.status;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const int status = Main(argc, argv);
        std::cout.flush();
        return status;
    } catch (const std::exception& e) {
        return Fail(e.what());
    } catch (...) {
        return Fail("unexpected failure");
    }
}
