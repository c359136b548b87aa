#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"
#include "support/TestData.h"

namespace {

std::string WithSeparator(std::string text, const std::string& separator) {
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

// tests/data/NumberFormats.json holds the cases.
TEST(DisplayFormatTest, RoundHalfEvenTakesHalvesToTheEvenNeighbour) {
    for (const QJsonValue& c : TestJson("NumberFormats.json")["roundHalfEven"].toArray()) {
        EXPECT_EQ(RoundHalfEven(c[0].toDouble()), c[1].toInteger()) << c[0].toDouble();
    }
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(DisplayFormatTest, PatternsForceOrDropDecimalsAndRoundHalvesAsTheDecimalsRead) {
    const auto point = MakeFixedLocale('.');
    const auto comma = MakeFixedLocale(',');
    for (const QJsonValue& c : TestJson("NumberFormats.json")["patterns"].toArray()) {
        const std::string pattern = JsonText(c[1]);
        const std::string expected = JsonText(c[2]);
        SCOPED_TRACE(pattern + " of " + std::to_string(c[0].toDouble()));
        EXPECT_EQ(FormatNumber(c[0].toDouble(), pattern, *point), expected);
        EXPECT_EQ(FormatNumber(c[0].toDouble(), pattern, *comma), WithSeparator(expected, ","));
    }
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
