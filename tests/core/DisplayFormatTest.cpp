#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"

namespace {

struct Case {
    double value;
    const char* pattern;
    const char* expected;  // with '.' as the separator
};

std::string WithSeparator(std::string text, const std::string& separator) {
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

void ExpectFormats(const std::vector<Case>& cases) {
    const auto point = MakeFixedLocale('.');
    const auto comma = MakeFixedLocale(',');
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " of " + std::to_string(c.value));
        EXPECT_EQ(FormatNumber(c.value, c.pattern, *point), c.expected);
        EXPECT_EQ(FormatNumber(c.value, c.pattern, *comma), WithSeparator(c.expected, ","));
    }
}

TEST(DisplayFormatTest, RoundHalfEvenTakesHalvesToTheEvenNeighbour) {
    const std::vector<std::pair<double, std::int64_t>> cases = {
        {0.5, 0},   {1.5, 2},          {-2.5, -2},         {2.5000001, 3},
        {-3.7, -4}, {1e30, INT64_MAX}, {-1e30, INT64_MIN}, {std::nan(""), 0}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    }
}

TEST(DisplayFormatTest, PatternsForceOrDropDecimalsAndRoundHalvesAsTheDecimalsRead) {
    // 1.005, 2.675 and 0.1 * 3 * 100 lie a hair off their decimal value in binary. Optional
    // decimals drop trailing zeros, not the separator.
    const std::vector<Case> cases = {{5 * 100.0 / 8, "###", "63"},
                                     {0.0, "###", ""},
                                     {-2.5, "###", "-3"},
                                     {0.1 * 3 * 100, "###", "30"},
                                     {1e20, "###", "100000000000000000000"},
                                     {0.0, ".00", ".00"},
                                     {1.005, ".00", "1.01"},
                                     {-1 / 3.0, ".00", "-.33"},
                                     {9.995, "#0.00", "10.00"},
                                     {2.675, "#0.00", "2.68"},
                                     {5.0, "0###", "0005"},
                                     {-1.0, "0###", "-0001"},
                                     {50.0, "###.##", "50."},
                                     {0.0, "###.##", "."},
                                     {0.5, "###.##", ".5"},
                                     {-0.004, "#0.##", "0."},
                                     {1.234, "##0.0#", "1.23"}};
    ExpectFormats(cases);
}

TEST(DisplayFormatTest, UnusualSeparatorsValuesAndPatterns) {
    EXPECT_EQ(FormatNumber(1.5, "#0.##", *MakeFixedLocale(U'\u066B')), "1\u066B5");
    const auto locale = MakeFixedLocale();
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "###", *locale), "Inf");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "###", *locale), "-Inf");
    EXPECT_EQ(FormatNumber(std::nan(""), "#0.00", *locale), "NaN");
    EXPECT_THROW(FormatNumber(1, "#,##0", *locale), std::invalid_argument);
    EXPECT_THROW(FormatNumber(1, "0.0.0", *locale), std::invalid_argument);
}

class DisplayLocaleTest : public testing::Test {
  protected:
    void TearDown() override { SetCurrentLocale(nullptr); }
    const LocalDateTime when_{2003, 5, 18, 21, 14, 5};
};

TEST_F(DisplayLocaleTest, QtLocaleGeneralDateLeavesOutTheTimeZone) {
    const auto american = MakeQtLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(american->generalDate(when_).ends_with("PM")) << american->generalDate(when_);

    const auto german = MakeQtLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german->generalDate(when_), "18.05.03 21:14:05");

    // Persian writes the zone in brackets; none may be left over.
    const auto persian = MakeQtLocale(QLocale(QLocale::Persian, QLocale::Iran));
    EXPECT_EQ(persian->generalDate(when_).find('('), std::string::npos);
}

TEST_F(DisplayLocaleTest, QtLocaleMonthNameStandsAlone) {
    // Polish: "maj" heads a label, "maja" belongs inside a date.
    const auto polish = MakeQtLocale(QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_EQ(polish->monthName(5), "maj");
    const auto arabic = MakeQtLocale(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(arabic->decimalSeparator(), U'\u066B');
}

}  // namespace
