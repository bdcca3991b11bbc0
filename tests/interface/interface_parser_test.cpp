#include "interface/interface_parser.h"

#include <gtest/gtest.h>

#include "interface/interface_errors.h"
#include "interface/interface_grammar.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

using Records = std::vector<TParamInfoRecord>;

TEST(InterfaceParserTest, ParsesSectionsObjectsAndGlobals) {
  const Records records = ParseInterfaceText(
      "DesktopTableWidth = 1024; DesktopTableHeight = 768;\r\n"
      "SECTION FormLoadSave TFormLoadSave\r\n"
      "  Skin = 'FormLoSa.psd'; Left = 120; Top = 85;\r\n"
      "  OBJECT ButtonSendWork TGraphicButton\r\n"
      "    Visible = FALSE;\r\n"
      "  END\r\n"
      "  Color = $00FFEEDD\r\n"
      "END\r\n");
  const Records expected = {
      {"", "", "DESKTOPTABLEWIDTH", "1024"},
      {"", "", "DESKTOPTABLEHEIGHT", "768"},
      {"FORMLOADSAVE", "", "SKIN", "FormLoSa.psd"},
      {"FORMLOADSAVE", "", "LEFT", "120"},
      {"FORMLOADSAVE", "", "TOP", "85"},
      {"FORMLOADSAVE", "BUTTONSENDWORK", "VISIBLE", "FALSE"},
      {"FORMLOADSAVE", "", "COLOR", "$00FFEEDD"},
  };
  EXPECT_EQ(records, expected);
  EXPECT_EQ(records[0].LookupKey(), "DESKTOPTABLEWIDTH");
  EXPECT_EQ(records[2].LookupKey(), "FORMLOADSAVE.SKIN");
  EXPECT_EQ(records[5].LookupKey(), "FORMLOADSAVE.BUTTONSENDWORK.VISIBLE");
}

struct AcceptedCase {
  std::string_view text;
  Records records;
};

class InterfaceParserAcceptsTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(InterfaceParserAcceptsTest, Records) { EXPECT_EQ(ParseInterfaceText(GetParam().text), GetParam().records); }

INSTANTIATE_TEST_SUITE_P(
    Table, InterfaceParserAcceptsTest,
    ::testing::Values(
        // No ";" at the end of the line.
        AcceptedCase{"A = 1", {{"", "", "A", "1"}}},
        // ";" then a comment; a value directly followed by a comment.
        AcceptedCase{"A = 1; # note = x", {{"", "", "A", "1"}}}, AcceptedCase{"A = 1 # note", {{"", "", "A", "1"}}},
        // A trailing ";" or ";;" is harmless.
        AcceptedCase{"A = 1;;", {{"", "", "A", "1"}}},
        AcceptedCase{"A=1;B=2", {{"", "", "A", "1"}, {"", "", "B", "2"}}},
        // A quoted value keeps blanks, delimiters and case.
        AcceptedCase{"Caption = ' a, b; c=d '", {{"", "", "CAPTION", " a, b; c=d "}}},
        AcceptedCase{"Hint = 'Open@Click.wav'", {{"", "", "HINT", "Open@Click.wav"}}},
        // "#" inside a value or name is an ordinary character.
        AcceptedCase{"A#1 = b#c", {{"", "", "A#1", "b#c"}}},
        // Blank and comment lines, keywords in any case.
        AcceptedCase{"\n   \n# SECTION x y\nsection f tformtips\nobject b tlabel\nfontname=Arial\nend\nend",
                     {{"F", "B", "FONTNAME", "Arial"}}},
        // Left open at the end of the file.
        AcceptedCase{"SECTION FormTips TFormTips\nOBJECT Lbl TLabel\nLeft = 3", {{"FORMTIPS", "LBL", "LEFT", "3"}}},
        // The rest of SECTION, OBJECT and END lines is ignored.
        AcceptedCase{"SECTION F TFormTips whatever = ; ,\nEND trailing words", {}},
        // Sections of types no window has are accepted.
        AcceptedCase{"SECTION Alb TFormAlbum\nSkin = a.psd\nEND\nSECTION T3 TForm3DTemplate\nEND",
                     {{"ALB", "", "SKIN", "a.psd"}}},
        // Two records with the same key are both kept, in file order.
        AcceptedCase{"a = 1\nA = 2", {{"", "", "A", "1"}, {"", "", "A", "2"}}}));

struct ErrorCase {
  std::string_view text;
  int line;
  std::string_view message;
};

class InterfaceParserErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(InterfaceParserErrorTest, FailsWithLineAndMessage) {
  const ErrorCase& c = GetParam();
  try {
    ParseInterfaceText(c.text);
    ADD_FAILURE() << "no error for " << c.text;
  } catch (const EErrorInInfoFile& e) {
    EXPECT_EQ(e.Line(), c.line);
    EXPECT_EQ(e.Detail(), c.message);
    EXPECT_EQ(std::string(e.what()), "Error in contents of file INTFACE.TXT (line #" + std::to_string(c.line) + ")\r" +
                                         std::string(c.message));
  }
}

constexpr std::string_view kOpenObject = "SECTION FormLoadSave TFormLoadSave\nOBJECT Pan TPanel\n";

INSTANTIATE_TEST_SUITE_P(
    Table, InterfaceParserErrorTest,
    ::testing::Values(
        ErrorCase{"END", 1, "Unnecessary END encountered"},
        ErrorCase{"SECTION a TFormTips\nEND\n\n# comment\nend", 5, "Unnecessary END encountered"},
        ErrorCase{"SECTION", 1, "Section name is missing"}, ErrorCase{"SECTION ''", 1, "Section name is missing"},
        ErrorCase{"SECTION FormOne TFormTips\nSECTION FormTwo TFormHelp", 2,
                  "Nested section descriptions: <FormTwo> in <FormOne>"},
        ErrorCase{"SECTION FormOne", 1, "Section type is missing"},
        ErrorCase{"SECTION FormOne TFormNothing", 1, "Section type <TFormNothing> is not valid"},
        ErrorCase{"OBJECT", 1, "Object name is missing"},
        ErrorCase{"OBJECT ButtonExit TGraphicButton", 1, "Object <ButtonExit> is described outside any section"},
        ErrorCase{"SECTION F TFormTips\nOBJECT A TLabel\nOBJECT B TLabel", 3, "Nested object descriptions: <B> in <A>"},
        ErrorCase{"SECTION F TFormTips\nOBJECT A", 2, "Object type is missing"},
        ErrorCase{"SECTION F TFormTips\nOBJECT A TWidget", 2, "Object type <TWidget> is not valid"},
        ErrorCase{"SECTION F TFormLoadSave\nCapWinX = 1", 2,
                  "Parameter <CapWinX> is not a valid parameter for section of type <TFormLoadSave>"},
        ErrorCase{"SECTION F TFormMontage\nLeft = 1", 2,
                  "Parameter <Left> is not a valid parameter for section of type <TFormMontage>"},
        ErrorCase{"SECTION FormLoadSave TFormLoadSave\nOBJECT Pan TPanel\nResLeft = 1", 3,
                  "Parameter <ResLeft> is not a valid parameter for object of type <TPanel>"},
        ErrorCase{"SECTION F tformtips\nOBJECT p tpanel\nLeft = 1; fontSize = 2", 3,
                  "Parameter <fontSize> is not a valid parameter for object of type <tpanel>"},
        ErrorCase{"Left 5", 1, "After parameter <Left> equality sign is missing"},
        ErrorCase{"Left, = 5", 1, "After parameter <Left> equality sign is missing"},
        ErrorCase{"Left = ;", 1, "After equality sign parameter value is missing"},
        ErrorCase{"Left = ''", 1, "After equality sign parameter value is missing"},
        ErrorCase{"Left = 1, Top = 2", 1, "After value <1> of parameter <Left> expression delimiter <;> is missing"},
        ErrorCase{"Caption = 'a b' c", 1,
                  "After value <a b> of parameter <Caption> expression delimiter <;> is missing"},
        ErrorCase{"Left #comment", 1, "Unaccomplished expression encountered"},
        ErrorCase{"Left", 1, "Unaccomplished expression encountered"},
        ErrorCase{"Left =", 1, "Unaccomplished expression encountered"},
        ErrorCase{"Left = # x", 1, "Unaccomplished expression encountered"},
        ErrorCase{"A = 1; B", 1, "Unaccomplished expression encountered"}));

TEST(InterfaceParserTest, ObjectParameterIsCheckedAgainstTheObjectNotTheSection) {
  EXPECT_NO_THROW(ParseInterfaceText(std::string(kOpenObject) + "Color = 5; Visible = TRUE"));
  EXPECT_THROW(ParseInterfaceText(std::string(kOpenObject) + "Skin = a.psd"), EErrorInInfoFile);
  EXPECT_NO_THROW(ParseInterfaceText(std::string(kOpenObject) + "END\nSkin = a.psd"));
}

TEST(InterfaceParserTest, GlobalParametersAcceptAnyName) {
  EXPECT_EQ(ParseInterfaceText("Anything = x").size(), 1u);
  EXPECT_EQ(ParseInterfaceText("SECTION F TFormTips\nEND\nFormTipsButtons = b.psd").size(), 1u);
}

TEST(InterfaceParserTest, ParsesAFile) {
  testing::TempFolder folder;
  const auto path = folder.Write("INTFACE.TXT", "A = 1\r\n\r\nEND\r\n");
  try {
    ParseInterfaceFile(path);
    ADD_FAILURE();
  } catch (const EErrorInInfoFile& e) {
    EXPECT_EQ(e.Line(), 3);
  }
  folder.Write("ok.txt", "A = 1\r\nB = 'x'\r\n");
  EXPECT_EQ(ParseInterfaceFile(folder.Path() / "ok.txt"), (Records{{"", "", "A", "1"}, {"", "", "B", "x"}}));
}

TEST(InterfaceGrammarTest, FortySectionTypes) {
  const std::string_view types[] = {"TFormMain",
                                    "TFormMontage",
                                    "TFormCamera",
                                    "TFormPreview",
                                    "TFormLoadSave",
                                    "TFormTips",
                                    "TFormMessage",
                                    "TFormTemplates",
                                    "TFormSetup",
                                    "TFormLayers",
                                    "TFormAdjust",
                                    "TFormHelp",
                                    "TFormPrint",
                                    "TFormEmail",
                                    "TFormQueries",
                                    "TFormMask",
                                    "TFormInetModes",
                                    "TFormDownloadElements",
                                    "TFormInetReg",
                                    "TFormToGallery",
                                    "TFormFromGallery",
                                    "TFormLayerRegions",
                                    "TFormLayerRegionEdit",
                                    "TFormPostCard",
                                    "TFormPostCardText",
                                    "TFormPostCardBack",
                                    "TFormColorCalibration",
                                    "TFormPublisherMessages",
                                    "TFormPassword",
                                    "TFormBaldHead",
                                    "TFormChatReg",
                                    "TFormChat",
                                    "TFormTalk",
                                    "TFormVideo",
                                    "TFormShopList",
                                    "TFormLayerSave",
                                    "TFormCatalog",
                                    "TFormVideoClip",
                                    "TFormAlbum",
                                    "TForm3DTemplate"};
  ASSERT_EQ(std::size(types), 40u);
  for (std::string_view type : types) EXPECT_TRUE(IsValidSectionType(type)) << type;
  EXPECT_FALSE(IsValidSectionType("TForm"));
  EXPECT_FALSE(IsValidSectionType("TGraphicButton"));
}

struct ParamCase {
  std::string_view type;
  std::string_view param;
  bool valid;
};

TEST(InterfaceGrammarTest, SectionParameters) {
  const ParamCase cases[] = {
      {"TFormMain", "PaletteBtnShowPos", true},
      {"TFormMain", "Left", false},
      {"TFormMain", "Skin", true},
      {"TFormMontage", "Skin", true},
      {"TFormMontage", "Color", false},
      {"TFormCamera", "CapWinY", true},
      {"TFormPreview", "LockResImage", true},
      {"TFormPreview", "CapWinX", false},
      {"TFormChat", "Top", true},
      {"TFormChat", "Width", false},
      {"tformchat", "COLOR", true},
  };
  for (const ParamCase& c : cases) EXPECT_EQ(IsValidSectionParam(c.type, c.param), c.valid) << c.type << "." << c.param;
}

TEST(InterfaceGrammarTest, ObjectParameters) {
  const ParamCase cases[] = {
      {"TGraphicButton", "ActiveAlpha", true},
      {"TGraphicButton", "Reversed", false},
      {"TGraphicSlider", "Reversed", true},
      {"TGraphicSlider", "Tag", false},
      {"TCaptionBar", "Visible", false},
      {"TCaptionBar", "FontColor", true},
      {"TSoundHint", "HintBgColor", true},
      {"TSoundHint", "Left", false},
      {"THTMLViewer", "Tag", true},
      {"TScrollBox", "FontName", true},
      {"TDrawGrid", "Height", true},
      {"TMemo", "Visible", false},
      {"TImage", "Visible", true},
      {"TImage", "Color", false},
      {"TProgressBar", "Tag", true},
      {"TNothing", "Left", false},
  };
  for (const ParamCase& c : cases) EXPECT_EQ(IsValidObjectParam(c.type, c.param), c.valid) << c.type << "." << c.param;
  EXPECT_EQ(IsValidObjectType("TDrawGrid"), true);
  EXPECT_EQ(IsValidObjectType("TFormMain"), false);
}

}  // namespace
}  // namespace lumena
