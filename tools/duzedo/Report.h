#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "duzedo/WholeNumber.h"

// duzedo report VIEW DB [--option value ...]: prints, as JSON, what one view's controls show for
// the database DB, through the same functions the windows use; --format csv prints the view's
// main grid as CSV instead, and --format pdf --out FILE writes its printed pages as a PDF file.
//
// Views and their options:
//   rankings   [--month N] [--country NAME] [--limit 0|1]
//   months
//   player     --name NAME
//   games      --player NAME [--mode 1|2] [--order 0..5]
//   positions  --player NAME [--row K] [--width W] [--height H]
//   progress   --player NAME [--width W] [--height H]
//   pair       --p1 NAME --p2 NAME [--seed N]
//   predict    --home NAME --away NAME [--seed N] [--count K]
//   fantasy    --players "A;B;C" [--seed N]
//   misc       [--min-games N]
//   records    --stat 0..21 [--limit 0|1] [--min-games N]
//   options
using ReportOptions = std::map<std::string, std::string, std::less<>>;

struct ReportOption {
    std::string name;                       // "--stat"
    std::string description;                // the views that take it
    std::optional<WholeNumberRange> range;  // the whole numbers it takes; none: it takes text
};

// Every option some view takes, --format first, for the tool's argument parser.
const std::vector<ReportOption>& ReportOptionList();

// The views by name, in the order above.
std::vector<std::string_view> ReportViews();
// The same as one text, "rankings, months, ...".
std::string ReportViewNames();

// Writes the report to out. Throws std::runtime_error, with a one-line message, for an unknown
// view, an option the view does not take, a bad value or a database that cannot be opened.
void RunReport(std::string_view view, const std::string& db, const ReportOptions& options,
               std::ostream& out);
