#include <gtest/gtest.h>

#include "interface/interface_context.h"
#include "interface/interface_info.h"
#include "interface/interface_parser.h"

namespace lumena {
namespace {

TOrvInterfaceInfo Loaded(std::string_view text) { return {ParseInterfaceText(text), true}; }

constexpr std::string_view kDescription =
    "DesktopTableWidth = 1024\n"
    "Hex = $10; Hex2 = 0x1F; Neg = ' -5'; Word = abc; Big = 2147483648\n"
    "SECTION FormCamera TFormCamera\nCapWinX = 90\nOBJECT Lbl TLabel\nFontName = 'Times New Roman'\nEND\nEND\n"
    "SECTION FormCamera TFormCamera\nCapWinX = 77\nEND\n";

TEST(InterfaceLookupTest, GlobalParameterIsFoundByItsBareNameInAnyCase) {
  const TOrvInterfaceInfo info = Loaded(kDescription);
  for (std::string_view key : {"DesktopTableWidth", "DESKTOPTABLEWIDTH", "desktoptablewidth"})
    EXPECT_EQ(info.GetParam(key), "1024") << key;
}

TEST(InterfaceLookupTest, DottedKeysAndFirstRecordWins) {
  const TOrvInterfaceInfo info = Loaded(kDescription);
  EXPECT_EQ(info.GetParam("formcamera.capwinx"), "90");
  EXPECT_EQ(info.GetParam("FormCamera.Lbl.FontName"), "Times New Roman");
  EXPECT_EQ(info.GetParam("Lbl.FontName"), "");
  EXPECT_EQ(info.GetParam("FormCamera.FontName"), "");
  EXPECT_EQ(info.GetParam("Nothing"), "");
}

struct IntCase {
  std::string_view key;
  int value;
};

TEST(InterfaceLookupTest, IntegersAndTheMissingValue) {
  const TOrvInterfaceInfo info = Loaded(kDescription);
  const IntCase cases[] = {
      {"DesktopTableWidth", 1024},
      {"Hex", 16},
      {"Hex2", 31},
      {"Neg", -5},
      {"Word", 2147483647},
      {"Missing", 2147483647},
      {"Big", 2147483647},
      {"FormCamera.CapWinX", 90},
  };
  for (const IntCase& c : cases) EXPECT_EQ(info.GetInt(c.key), c.value) << c.key;
  EXPECT_EQ(kMissingInterfaceInt, 2147483647);
  EXPECT_EQ(info.FindInt("Hex"), 16);
  EXPECT_EQ(info.FindInt("Word"), std::nullopt);
  EXPECT_EQ(info.FindInt("Missing"), std::nullopt);
}

TEST(InterfaceLookupTest, NothingIsFoundWhenNotLoaded) {
  TOrvInterfaceInfo info = Loaded(kDescription);
  info.Loaded = false;
  EXPECT_EQ(info.GetParam("DesktopTableWidth"), "");
  EXPECT_EQ(info.GetInt("DesktopTableWidth"), 2147483647);
  InterfaceContext context;
  EXPECT_EQ(context.GetInterfaceParam("DesktopTableWidth"), "");
  EXPECT_EQ(context.GetInterfaceInt("DesktopTableWidth"), 2147483647);
  EXPECT_EQ(context.FindInterfaceInt("DesktopTableWidth"), std::nullopt);
}

TEST(InterfaceLookupTest, ProcessWideLookups) {
  InterfaceContext& context = CurrentInterface();
  context.Info = Loaded(kDescription);
  context.Termins = {{"ProductName", "Lumena"}};
  EXPECT_EQ(GetInterfaceParam("formcamera.capwinx"), "90");
  EXPECT_EQ(GetInterfaceInt("FormCamera.CapWinX"), 90);
  EXPECT_EQ(GetTermin("ProductName", "x"), "Lumena");
  EXPECT_EQ(GetTermin("productname", "x"), "x");
  context.Free();
  EXPECT_EQ(GetInterfaceInt("FormCamera.CapWinX"), 2147483647);
  EXPECT_EQ(GetTermin("ProductName", "x"), "x");
  EXPECT_EQ(&CurrentInterface(), &context);
}

}  // namespace
}  // namespace lumena
