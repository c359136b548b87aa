// Cells as text for the clipboard and for CSV files.

#include <gtest/gtest.h>

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
    // The tool's own output keeps its plain line breaks.
    EXPECT_EQ(ToCsv(Grid{{"a", "b"}}), "a,b\n");
}

}  // namespace
