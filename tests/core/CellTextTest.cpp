// Views as text: cells for the clipboard and CSV files, controls as JSON, and texts fit for a
// terminal.

#include <gtest/gtest.h>

#include <string>

#include "core/AppServices.h"
#include "core/ViewTexts.h"

namespace {

TEST(CellText, TabSeparatedKeepsEachCellOneCell) {
    EXPECT_EQ(ToTsv(Grid{{"Pos", "Player"}, {"1", "O'Neil, S"}}), "Pos\tPlayer\n1\tO'Neil, S\n");
    // Tabs and line breaks would split a cell, a leading quote would start a quoted one.
    EXPECT_EQ(ToTsv(Grid{{"a\tb", "two\nlines", "\"quoted\" x", "say \"hi\""}}),
              "\"a\tb\"\t\"two\nlines\"\t\"\"\"quoted\"\" x\"\tsay \"hi\"\n");
    EXPECT_EQ(ToTsv(Grid{{""}, {"", ""}}), "\n\t\n");
    EXPECT_EQ(ToTsv(Grid{}), "");
}

TEST(CellText, CsvForFilesEndsEveryRowInCrLf) {
    const Grid grid = {{"Tournament", "Pos"}, {"Cup \"A\", 2003", "1 / 6"}, {"José\r\nX", ""}};
    EXPECT_EQ(ToCsv(grid, "\r\n"),
              "Tournament,Pos\r\n\"Cup \"\"A\"\", 2003\",1 / 6\r\n\"José\r\nX\",\r\n");
    // The tool's own output keeps its plain line breaks; a leading blank is quoted.
    EXPECT_EQ(ToCsv(Grid{{"1", "say \"hi\""}, {"3", " x"}}), "1,\"say \"\"hi\"\"\"\n3,\" x\"\n");
}

TEST(ViewTextsJson, EscapesTextsAndKeepsTheControlsOrder) {
    ViewTexts view;
    // A byte that begins no character, and a surrogate that UTF-8 may not hold.
    view.set("lblNote", std::string("a \"b\"\\\n\x01\x1f \xC3\xA9 \xFF \xED\xA0\x81"));
    view.set("grdX", Grid{{"#", "Name"}, {"1", "O'Neil, S"}});
    view.set("chbGo", ButtonState{false});
    EXPECT_NE(ToJson(view).find(R"("a \"b\"\\\n\u0001\u001f é \ufffd \ufffd\ufffd\ufffd")"),
              std::string::npos);
}

TEST(Printable, EscapesControlCharactersAndKeepsTheRest) {
    using namespace std::string_literals;
    // A terminal escape and a NUL from a damaged table never reach the screen as such.
    EXPECT_EQ(Printable("\x1b[2J\0name\x7f"s), "\\x1B[2J\\x00name\\x7F");
    EXPECT_EQ(Printable("Ábdo K\nO'Neil S\t"), "Ábdo K\nO'Neil S\\x09");
}

}  // namespace
