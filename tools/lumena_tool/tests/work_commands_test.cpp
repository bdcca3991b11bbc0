// lumena-tool on works: converting between the kinds, into the work's
// picture, and listing the table of contents.
#include <gtest/gtest.h>

#include "images_test_support.h"
#include "work_fixture.h"
#include "work_rewriting.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"
#include "workfile/work_toc.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using test::Quote;

class ToolWorks : public ::testing::Test {
 protected:
  void SetUp() override {
    work_.Fill();
    WriteWorkFile(folder_ / "w.lmu", work_.Snapshot());
    WriteCompressedWork(folder_ / "w.lmc", work_.Snapshot());
  }
  int Run(const std::string& arguments, std::string* output = nullptr) {
    const auto result = test::RunCommand(std::string(LUMENA_TOOL_PATH) + " " + arguments + " 2>/dev/null");
    if (output) *output = result.output;
    return result.exitCode;
  }
  std::string P(const char* name) { return Quote(folder_ / name); }
  void Load(const char* name, testing::WorkFixture& into) { ReadWorkFile(folder_ / name, into.desk, into.anchors); }

  test::TempFolder folder_;
  testing::WorkFixture work_;
};

TEST_F(ToolWorks, ConvertsBetweenTheKindsKeepingTheWork) {
  ASSERT_EQ(Run("convert " + P("w.lmc") + " " + P("a.lmu")), 0);
  ASSERT_EQ(Run("convert " + P("w.lmu") + " " + P("b.lmc")), 0);
  ASSERT_EQ(Run("convert " + P("w.lmu") + " " + P("c.lmu")), 0);
  ASSERT_EQ(Run("convert " + P("b.lmc") + " " + P("d.LMC")), 0);
  for (const char* name : {"a.lmu", "b.lmc", "c.lmu", "d.LMC"}) {
    SCOPED_TRACE(name);
    testing::WorkFixture loaded;
    Load(name, loaded);
    testing::ExpectSameWork(work_.desk, work_.anchors, loaded.desk, loaded.anchors, name[0] == 'c' ? 0 : 40);
    EXPECT_EQ(ReadWorkToc(folder_ / name), work_.Snapshot().TocLines());
  }
  EXPECT_EQ(test::ReadBytes(folder_ / "c.lmu").size(), test::ReadBytes(folder_ / "w.lmu").size());
}

TEST_F(ToolWorks, ConvertsAWorkIntoItsFullPictureWithTransparency) {
  ASSERT_EQ(Run("convert " + P("w.lmu") + " " + P("w.png")), 0);
  testing::WorkFixture loaded;
  Load("w.lmu", loaded);
  loaded.desk.BuildFullWorkImage();
  const Picture& full = loaded.desk.FullWorkImage();
  ASSERT_FALSE(full.Empty());
  EXPECT_EQ(test::RgbaByConvert(folder_ / "w.png"), test::ToRgba(full));
  bool someTransparent = false;
  for (const Pixel& px : full.Pixels()) someTransparent |= px.a < 255;
  EXPECT_TRUE(someTransparent);
  ASSERT_EQ(Run("convert " + P("w.lmc") + " " + P("w.jpg")), 0);
  std::string info;
  ASSERT_EQ(Run("info " + P("w.jpg"), &info), 0);
  EXPECT_EQ(info, std::to_string(full.Width()) + "x" + std::to_string(full.Height()) + " JPEG\n");
}

TEST_F(ToolWorks, InfoPrintsTheTableOfContents) {
  std::string expected;
  for (const auto& line : work_.Snapshot().TocLines()) expected += line + "\n";
  for (const char* name : {"w.lmu", "w.lmc"}) {
    std::string output;
    EXPECT_EQ(Run("info " + P(name), &output), 0) << name;
    EXPECT_EQ(output, expected) << name;
  }
}

TEST_F(ToolWorks, DamagedOrMissingWorksFailCleanly) {
  const auto bytes = test::ReadBytes(folder_ / "w.lmc");
  test::WriteBytes(folder_ / "cut.lmc", std::span(bytes).first(bytes.size() / 2));
  test::WriteBytes(folder_ / "junk.lmu", std::vector<uint8_t>(700, 'x'));
  for (const std::string& arguments :
       {"convert " + P("cut.lmc") + " " + P("x.lmu"), "convert " + P("junk.lmu") + " " + P("x.png"),
        "info " + P("cut.lmc"), "info " + P("junk.lmu"), "convert " + P("none.lmu") + " " + P("x.lmc"),
        "convert " + P("w.lmu") + " " + P("no/such/x.lmc")})
    EXPECT_EQ(Run(arguments), 1) << arguments;
  EXPECT_FALSE(fs::exists(folder_ / "x.lmu"));
  EXPECT_EQ(Run("convert " + P("w.png") + " " + P("x.lmu")), 2) << "a picture is not a work";
}

// Works over the caps: a layer too large, too many pixels together, two
// layers of one name. Both commands refuse them with a message.
TEST_F(ToolWorks, RefusedWorksAreClearErrors) {
  const auto layer = [](const char* name, int32_t size) {
    TLayerRecord record;
    record.Name = name;
    record.Width = record.Height = size;
    return LayerTocLine(record);
  };
  const std::vector<std::pair<std::vector<std::string>, std::string>> tables = {
      {{layer("10000000", 9000)}, "more than 64 megapixels"},
      {{layer("10000000", 8192), layer("10000001", 8192), layer("10000002", 8192), layer("10000003", 8192),
        layer("10000004", 100)},
       "more than 256 megapixels together"},
      {{layer("AbCd1234", 4), layer("aBcD1234", 4)}, "two layers are named"},
  };
  for (const auto& [layers, reason] : tables) {
    std::vector<std::string> lines = FixedTocLines({});
    lines.insert(lines.end(), layers.begin(), layers.end());
    testing::CopyWithToc(folder_ / "w.lmu", folder_ / "refused.lmu", UncompressedTocText(lines));
    for (const std::string& command : {"info " + P("refused.lmu"), "convert " + P("refused.lmu") + " " + P("x.lmc")}) {
      const auto result = test::RunCommand(std::string(LUMENA_TOOL_PATH) + " " + command + " 2>&1");
      EXPECT_EQ(result.exitCode, 1) << command;
      EXPECT_NE(result.output.find("The work is refused: "), std::string::npos) << result.output;
      EXPECT_NE(result.output.find(reason), std::string::npos) << result.output;
    }
  }
  EXPECT_FALSE(fs::exists(folder_ / "x.lmc"));
}

}  // namespace
}  // namespace lumena
