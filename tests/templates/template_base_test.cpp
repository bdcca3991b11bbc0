// The template types of the settings and the records of "PartBase.txt".
#include "templates/template_base.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ini_file.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

using testing::TempFolder;

TEST(TemplateTypes, ValueFields) {
  const struct {
    const char* value;
    std::optional<TPartTypeRecord> type;
  } cases[] = {
      {"12;Hair;Hairstyles;40;F;", TPartTypeRecord{12, "Hair", "Hairstyles", 40, "F"}},
      {"  3; Nails ; Nail designs ; 7; n ; ", TPartTypeRecord{3, "Nails", "Nail designs", 7, "N"}},
      {"3;Nails;Nail designs;7;N", TPartTypeRecord{3, "Nails", "Nail designs", 7, "F"}},  // no ";" after the letter
      {"4;Body;Clothes;2;;", TPartTypeRecord{4, "Body", "Clothes", 2, "F"}},
      {"5;X;Y;$10;Q;", TPartTypeRecord{5, "X", "Y", 16, "Q"}},
      {"6;X;Y;7", std::nullopt},  // the level is not followed by ";"
      {"a;X;Y;7;F;", std::nullopt},
      {"6;X;Y;7 ;F;", std::nullopt},  // a blank after a number
      {"   ", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTemplateTypeValue(c.value), c.type) << c.value;
}

TEST(TemplateTypes, ReadInFileOrderWithKeysIgnored) {
  TempFolder folder;
  const auto ini = folder.Write("Lumena.ini",
                                "[TEMPLATE TYPES]\r\nz=2;B;Body;1;B;\r\na=1;F;Face;2;;\r\nbad=x;;;;\r\nempty=\r\n"
                                "dup=2;Other;Other;3;N;\r\n");
  TTemplateBase base;
  base.LoadTemplateTypes(IniFile(ini));
  ASSERT_EQ(base.Types().size(), 3u);
  EXPECT_EQ(base.Types()[0].Folder, "B");
  EXPECT_EQ(base.Types()[1].Number, 1);
  EXPECT_EQ(base.FindTemplateType(2)->Folder, "B") << "the first of two with one number";
  EXPECT_EQ(base.GroupOf(2), "B");
  EXPECT_EQ(base.GroupOf(99), "F");
  EXPECT_EQ(base.FindTemplateType(99), nullptr);
}

std::vector<TPartTypeRecord> SomeTypes() {
  return {{12, "Hair", "Hairstyles", 40, "F"}, {3, "Nails", "Nails", 7, "N"}, {12, "Other", "x", 1, "B"}};
}

TEST(TemplateRecords, Fields) {
  const struct {
    const char* line;
    std::optional<TPartInfoRecord> record;
  } cases[] = {
      {"12;-35;-60;hair_017.psd;Short bob;?LENGTH=SHORT;?STYLE=CLASSIC,MODERN;",
       TPartInfoRecord{12, -35, -60, "Hair\\hair_017.psd", "Short bob", "?LENGTH=SHORT;?STYLE=CLASSIC,MODERN;"}},
      {"12;999;0;title.psd;Evening styles;", TPartInfoRecord{12, 999, 0, "Hair\\title.psd", "Evening styles", ""}},
      {"7;1;2; a.psd ; Name ;?usCr=y;", TPartInfoRecord{7, 1, 2, "a.psd", "Name", "?USCR=Y;"}},  // no such type
      {"0;1;2;a.psd;n;", TPartInfoRecord{0, 1, 2, "a.psd", "n", ""}},
      {"3;0;0;n.fll;Pink nails", TPartInfoRecord{3, 0, 0, "Nails\\n.fll", "Pink nails", "PINK NAILS"}},
      {"3; 10;0;n.fll;x;", TPartInfoRecord{3, 10, 0, "Nails\\n.fll", "x", ""}},
      {"3;10 ;0;n.fll;x;", std::nullopt},
      {"3;$A;0x10;n.fll;x;", TPartInfoRecord{3, 10, 16, "Nails\\n.fll", "x", ""}},
      {"3;1;2", std::nullopt},
      {"three;1;2;n;x;", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTemplateRecord(c.line, SomeTypes()), c.record) << c.line;
}

TEST(TemplateBase, LoadsRecordsSkipsCommentsAndWarnsOfHeadingsWithoutNumber) {
  TempFolder folder;
  const auto file = folder.Write("PartBase.txt",
                                 "# comment\r\n"
                                 "$PART_TYPE 12\r\n"
                                 "12;-35;-60;hair_017.psd;Short bob;?LENGTH=SHORT;\r\n"
                                 "\r\n"
                                 "   \r\n"
                                 "$part_type 3\r\n"
                                 "$Part_Type\r\n"
                                 "3;0;0;n.fll;Pink;\r\n"
                                 "bad;line\r\n"
                                 "$PART_TYPE x\r\n"
                                 "12;999;0;t.psd;Title;");
  TTemplateBase base;
  base.SetTemplateTypes(SomeTypes());
  base.TemplateBaseChanged = true;
  std::vector<std::string> warnings;
  base.LoadTemplateBase(file, [&](const std::string& m) { warnings.push_back(m); });
  EXPECT_EQ(warnings, (std::vector<std::string>{
                          "Error in contents of file PARTBASE.TXT (line #7)\rTemplate type number is missing",
                          "Error in contents of file PARTBASE.TXT (line #10)\rTemplate type number is missing"}));
  ASSERT_EQ(base.Templates().size(), 3u);
  EXPECT_FALSE(base.TemplateBaseChanged);
  const auto hair = base.TemplatesOfType(12);
  ASSERT_EQ(hair.size(), 2u);
  EXPECT_EQ(hair[0]->Name, "Short bob");
  EXPECT_TRUE(hair[1]->IsTitle());
  EXPECT_EQ(base.TemplatesOfType(3).at(0)->FileName, "Nails\\n.fll");
}

TEST(TemplateBase, ReloadingReplacesTheList) {
  TempFolder folder;
  const auto file = folder.Write("PartBase.txt", "1;0;0;a;b;\n");
  TTemplateBase base;
  base.LoadTemplateBase(file);
  base.LoadTemplateBase(file);
  EXPECT_EQ(base.Templates().size(), 1u);
}

TEST(TemplateBase, MissingFileIsTheCheckedOpenersError) {
  TempFolder folder;
  TTemplateBase base;
  try {
    base.LoadTemplateBase(folder / "PartBase.txt");
    FAIL();
  } catch (const EFileError& e) {
    EXPECT_EQ(std::string(e.what()), "File " + (folder / "PartBase.txt").string() + " is missing");
  }
  EXPECT_TRUE(base.Templates().empty());
}

TEST(TemplateBase, AppendedRecordReadsBackAndSetsTheFlag) {
  TempFolder folder;
  const auto file = folder.Write("PartBase.txt", "12;1;2;a.psd;A;\r\n");
  TTemplateBase base;
  base.SetTemplateTypes(SomeTypes());
  base.AppendTemplateRecord(file, {12, 100, 100, "mine.psd", "My layer", "?UsCr=Y;"});
  EXPECT_TRUE(base.TemplateBaseChanged);
  EXPECT_EQ(testing::ReadFile(file), "12;1;2;a.psd;A;\r\n12;100;100;mine.psd;My layer;?UsCr=Y;\r\n");
  base.LoadTemplateBase(file);
  ASSERT_EQ(base.Templates().size(), 2u);
  EXPECT_EQ(base.Templates()[1], (TPartInfoRecord{12, 100, 100, "Hair\\mine.psd", "My layer", "?USCR=Y;"}));
}

struct HostileFieldsCase {
  TPartInfoRecord appended;
  TPartInfoRecord readBack;
};

class TemplateAppending : public ::testing::TestWithParam<HostileFieldsCase> {};

// Separators and line ends inside the fields cannot add a line or shift a field.
TEST_P(TemplateAppending, FieldsWithSeparatorsOrLineEndsStayOneRecord) {
  TempFolder folder;
  const auto file = folder.Write("PartBase.txt", "");
  TTemplateBase base;
  base.SetTemplateTypes(SomeTypes());
  base.AppendTemplateRecord(file, GetParam().appended);
  const std::string text = testing::ReadFile(file);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
  base.LoadTemplateBase(file);
  ASSERT_EQ(base.Templates().size(), 1u);
  EXPECT_EQ(base.Templates()[0], GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(Table, TemplateAppending,
                         ::testing::Values(HostileFieldsCase{{12, 1, 2, "a;b.psd", "My;layer", "?A=B;"},
                                                             {12, 1, 2, "Hair\\a,b.psd", "My,layer", "?A=B;"}},
                                           HostileFieldsCase{{12, 1, 2, "a.psd", "two\r\nlines", "?A=B;\n?C=D;"},
                                                             {12, 1, 2, "Hair\\a.psd", "two,,lines", "?A=B;,?C=D;"}},
                                           HostileFieldsCase{{12, 1, 2, "a\rb.psd", "cr\ronly", "?X=Y;\r"},
                                                             {12, 1, 2, "Hair\\a,b.psd", "cr,only", "?X=Y;,"}}));

}  // namespace
}  // namespace lumena
