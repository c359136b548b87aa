#include <gtest/gtest.h>

#include <string>

#include "core/AppServices.h"

namespace {

TEST(Printable, EscapesControlCharactersAndKeepsTheRest) {
    using namespace std::string_literals;
    // A terminal escape and a NUL from a damaged table never reach the screen as such.
    EXPECT_EQ(Printable("\x1b[2J\0name\x7f"s), "\\x1B[2J\\x00name\\x7F");
    EXPECT_EQ(Printable("Ábdo K\nO'Neil S\t"), "Ábdo K\nO'Neil S\\x09");
}

}  // namespace
