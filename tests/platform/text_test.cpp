#include "platform/text.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

struct IntCase {
  const char* text;
  std::optional<int> value;
};

class ParseIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIntTest, ConvertsLikeTheDataFilesExpect) {
  EXPECT_EQ(ParseInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, ParseIntTest,
                         ::testing::Values(IntCase{"42", 42}, IntCase{"  -7", -7}, IntCase{"+3", 3}, IntCase{"$10", 16},
                                           IntCase{"0x1F", 31}, IntCase{"x10", 16}, IntCase{"$FFFFFFFF", -1},
                                           IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", -2147483647 - 1},
                                           IntCase{"2147483648", std::nullopt}, IntCase{"", std::nullopt},
                                           IntCase{"12a", std::nullopt}, IntCase{"1 ", std::nullopt},
                                           IntCase{"$", std::nullopt}, IntCase{"TRUE", std::nullopt},
                                           IntCase{"-", std::nullopt}));

TEST(RecordFields, EachFieldEndsWithSemicolonAndTextAfterTheLastIsNoField) {
  EXPECT_EQ(SplitRecordFields(" a ; b;;c"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_TRUE(SplitRecordFields("no fields").empty());
}

TEST(Lines, AllThreeLineEndsSplit) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
}

struct AnsiCase {
  std::string bytes;
  std::string utf8;
};

class AnsiTextTest : public ::testing::TestWithParam<AnsiCase> {};

TEST_P(AnsiTextTest, ValidUtf8StaysAndOtherBytesAreWindows1252) {
  EXPECT_EQ(AnsiTextToUtf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Table, AnsiTextTest,
                         ::testing::Values(AnsiCase{"plain", "plain"}, AnsiCase{"Caf\xC3\xA9", "Caf\xC3\xA9"},
                                           AnsiCase{"Caf\xE9", "Caf\xC3\xA9"},
                                           AnsiCase{"\x80 \x93quoted\x94",
                                                    "\xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D"},
                                           AnsiCase{"\x81", "\xC2\x81"},
                                           // Overlong, surrogate and cut sequences are not UTF-8.
                                           AnsiCase{"\xC0\xAF", "\xC3\x80\xC2\xAF"},
                                           AnsiCase{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
                                           AnsiCase{"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"}));

TEST(FolderValue, GetsOneTrailingBackslash) {
  EXPECT_EQ(WithTrailingBackslash("Works"), "Works\\");
  EXPECT_EQ(WithTrailingBackslash("Works\\"), "Works\\");
}

}  // namespace
}  // namespace lumena
