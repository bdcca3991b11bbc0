#include <gtest/gtest.h>

#include "platform/text.h"

namespace lumena {
namespace {

struct IntCase {
  const char* text;
  std::optional<int> value;
};

class ParseIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIntTest, ConvertsLikeTheDataFilesExpect) {
  EXPECT_EQ(parseInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, ParseIntTest,
                         ::testing::Values(IntCase{"42", 42}, IntCase{"  -7", -7}, IntCase{"+3", 3},
                                           IntCase{"$10", 16}, IntCase{"0x1F", 31}, IntCase{"x10", 16},
                                           IntCase{"$FFFFFFFF", -1}, IntCase{"2147483647", 2147483647},
                                           IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", std::nullopt},
                                           IntCase{"", std::nullopt}, IntCase{"12a", std::nullopt},
                                           IntCase{"1 ", std::nullopt}, IntCase{"$", std::nullopt},
                                           IntCase{"TRUE", std::nullopt}, IntCase{"-", std::nullopt}));

TEST(RecordFields, EachFieldEndsWithSemicolonAndTextAfterTheLastIsNoField) {
  EXPECT_EQ(splitRecordFields(" a ; b;;c"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_TRUE(splitRecordFields("no fields").empty());
}

TEST(Lines, AllThreeLineEndsSplit) {
  EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
}

TEST(FolderValue, GetsOneTrailingBackslash) {
  EXPECT_EQ(withTrailingBackslash("Works"), "Works\\");
  EXPECT_EQ(withTrailingBackslash("Works\\"), "Works\\");
}

}  // namespace
}  // namespace lumena
