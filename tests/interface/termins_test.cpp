#include "interface/termins.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace lumena {
namespace {

struct TerminCase {
  std::string_view line;
  std::optional<TTermin> termin;
};

class ParseTerminLineTest : public ::testing::TestWithParam<TerminCase> {};

TEST_P(ParseTerminLineTest, KeyAndText) { EXPECT_EQ(ParseTerminLine(GetParam().line), GetParam().termin); }

INSTANTIATE_TEST_SUITE_P(
    Table, ParseTerminLineTest,
    ::testing::Values(TerminCase{"Key=Text", TTermin{"Key", "Text"}},
                      // Only what stands before the first ";" is kept.
                      TerminCase{"Key=Text;rest;more", TTermin{"Key", "Text"}},
                      // The first backslash becomes a line break, later ones stay.
                      TerminCase{"Key=a\\b\\c", TTermin{"Key", "a\rb\\c"}},
                      // Key and text are not trimmed.
                      TerminCase{" Key = x ;", TTermin{" Key ", " x "}}, TerminCase{"Key==x", TTermin{"Key", "=x"}},
                      TerminCase{"Hint=Press@click.wav;", TTermin{"Hint", "Press@click.wav"}},
                      // "#" is a comment only as the very first character.
                      TerminCase{"#Key=x", std::nullopt}, TerminCase{" #Key=x", TTermin{" #Key", "x"}},
                      TerminCase{"", std::nullopt}, TerminCase{"  \t ", std::nullopt},
                      // No "=": an empty key and the text from the start.
                      TerminCase{"NoEquals;x", TTermin{"", "NoEquals"}}, TerminCase{"Key=", TTermin{"Key", ""}}));

TEST(TerminsTest, LoadsFileInOrderAndLooksUpCaseSensitively) {
  testing::TempFolder folder;
  const auto path = folder.Write("termins.txt",
                                 "# texts\r\n"
                                 "ProductName=Lumena;\r\n"
                                 "\r\n"
                                 "MessageUnableLoadWork=Cannot load\\the work;\r\n"
                                 "ProductName=Second;\r\n"
                                 "ButtonExitHint=Exit@exit.wav;\n"
                                 "Last=no line end");
  std::vector<TTermin> list;
  ASSERT_TRUE(LoadTermins(path, list));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[2], (TTermin{"ProductName", "Second"}));
  EXPECT_EQ(GetTermin("ProductName", list, "d"), "Lumena");
  EXPECT_EQ(GetTermin("productname", list, "d"), "d");
  EXPECT_EQ(GetTermin("MessageUnableLoadWork", list, ""), "Cannot load\rthe work");
  EXPECT_EQ(GetTermin("ButtonExitHint", list, ""), "Exit@exit.wav");
  EXPECT_EQ(GetTermin("Last", list, ""), "no line end");
  EXPECT_EQ(GetTermin("Missing", list, "built-in"), "built-in");
}

TEST(TerminsTest, MissingFileIsNotLoaded) {
  testing::TempFolder folder;
  std::vector<TTermin> list{{"Kept", "x"}};
  EXPECT_FALSE(LoadTermins(folder.Path() / "termins.txt", list));
  EXPECT_EQ(list.size(), 1u);
}

}  // namespace
}  // namespace lumena
