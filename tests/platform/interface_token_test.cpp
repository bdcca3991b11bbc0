#include "platform/interface_token.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

struct TokenCase {
  std::string_view text;
  std::string_view token;
  size_t position;
  size_t used;
};

class NextInterfaceTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(NextInterfaceTokenTest, CutsTokenAndCountsUsedCharacters) {
  const TokenCase& c = GetParam();
  const InterfaceToken token = NextInterfaceToken(c.text);
  EXPECT_EQ(token.text, c.token);
  EXPECT_EQ(token.position, c.position);
  EXPECT_EQ(token.used, c.used);
}

INSTANTIATE_TEST_SUITE_P(Table, NextInterfaceTokenTest,
                         ::testing::Values(TokenCase{"abc def", "abc", 0, 3}, TokenCase{"  abc", "abc", 2, 5},
                                           TokenCase{",=abc;", "abc", 2, 5}, TokenCase{"[a]", "a", 1, 2},
                                           TokenCase{"x\\y", "x", 0, 1}, TokenCase{"#x=1", "#x", 0, 2},
                                           // Quoted tokens keep delimiters; the closing apostrophe is used up.
                                           TokenCase{"'a b,c' x", "a b,c", 1, 7}, TokenCase{"= 'q;=x'", "q;=x", 3, 8},
                                           // No closing apostrophe: the token runs to the end.
                                           TokenCase{"'open end", "open end", 1, 9},
                                           // An apostrophe after token characters ends the token.
                                           TokenCase{"ab'cd'", "ab", 0, 2}, TokenCase{"''", "", 1, 2},
                                           // Only delimiters, or nothing: an empty token.
                                           TokenCase{" ,;=", "", 4, 4}, TokenCase{"", "", 0, 0},
                                           // Tabs and other characters are not delimiters.
                                           TokenCase{"a\tb c", "a\tb", 0, 3}, TokenCase{"-12$x", "-12$x", 0, 5}));

TEST(NextInterfaceTokenTest, EachOfTheSixteenDelimitersEndsAToken) {
  const std::string delimiters = " ,=':;[]{}()<>/\\";
  ASSERT_EQ(delimiters.size(), 16u);
  for (char d : delimiters) {
    EXPECT_TRUE(IsInterfaceDelimiter(d)) << d;
    const std::string text = std::string("ab") + d + "cd";
    EXPECT_EQ(NextInterfaceToken(text).text, "ab") << d;
    EXPECT_EQ(NextInterfaceToken(std::string(1, d) + "cd").text, "cd") << d;
  }
  for (char other : std::string("#$-_.!\t\"@")) EXPECT_FALSE(IsInterfaceDelimiter(other)) << other;
}

TEST(DeleteUsedAndTrimTest, DeletesAndTrims) {
  EXPECT_EQ(DeleteUsedAndTrim("abc   def  ", 3), "def");
  EXPECT_EQ(DeleteUsedAndTrim("'a b'  ; c", 5), "; c");
  EXPECT_EQ(DeleteUsedAndTrim("abc", 3), "");
  EXPECT_EQ(DeleteUsedAndTrim("abc", 10), "");
}

TEST(InterfaceTokenListTest, ListsEveryToken) {
  using V = std::vector<std::string>;
  EXPECT_EQ(InterfaceTokenList("11,105; 52,105 93"), (V{"11", "105", "52", "105", "93"}));
  EXPECT_EQ(InterfaceTokenList("ButtonHair ButtonEyes;'Button Nails'"),
            (V{"ButtonHair", "ButtonEyes", "Button Nails"}));
  EXPECT_EQ(InterfaceTokenList(" ;; "), V{});
  EXPECT_EQ(InterfaceTokenList("a '' b"), (V{"a", "b"}));
}

}  // namespace
}  // namespace lumena
