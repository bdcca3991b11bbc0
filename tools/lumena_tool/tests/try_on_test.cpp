// lumena-tool try-on: a portrait adjusted on given eyes and templates laid
// from a program folder's template base, as the windows lay them.
#include <gtest/gtest.h>

#include <fstream>

#include "images/element_picture.h"
#include "images_test_support.h"
#include "work_fixture.h"
#include "workfile/work_file_reader.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using test::Quote;

// The sample's pupils, in picture pixels, the left one in the picture first.
constexpr const char* kSampleEyes = "--eyes 203,101,246,104";

class TryOn : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "pf" / "Hair");
    fs::create_directories(folder_ / "pf" / "Clothes");
    fs::create_directories(folder_ / "pf" / "Nails");
    std::ofstream(folder_ / "pf" / "Lumena.ini") << "[TEMPLATE TYPES]\r\nT1=1;Hair;Hairstyles;60;F;\r\n"
                                                 << "T7=7;Clothes;Tops;10;B;\r\nT5=5;Nails;Nails;30;N;\r\n";
    std::ofstream(folder_ / "pf" / "PartBase.txt")
        << "$PART_TYPE 1\r\n1;999;0;title.psd;Short styles;\r\n1;-120;-180;bob.psd;Short bob;?LENGTH=SHORT;\r\n"
        << "7;0;0;top.psd;Blue top;\r\n5;100;100;red.psd;Red nails;\r\n";
    Save("Hair/bob.psd", 300, 200);
    Save("Clothes/top.psd", 445, 120);
    Save("Nails/red.psd", 20, 30);
  }
  void Save(const std::string& file, int w, int h) {
    Picture p(w, h);
    for (Pixel& px : p.Pixels()) px = {30, 90, 160, 255};
    SaveElementPicture(p, folder_ / "pf" / file);
  }
  test::CommandResult Run(const std::string& arguments) {
    return test::RunCommand(std::string(LUMENA_TOOL_PATH) + " try-on " + Quote(LUMENA_SAMPLE_PORTRAIT) + " " +
                            arguments + " --program-folder " + Quote(folder_ / "pf") + " 2>" +
                            Quote(folder_ / "err.txt"));
  }
  std::string Errors() {
    const auto bytes = test::ReadBytes(folder_ / "err.txt");
    return {bytes.begin(), bytes.end()};
  }

  test::TempFolder folder_;
};

TEST_F(TryOn, LaysTheFaceThenEachTemplateWhereItsGroupPlacesIt) {
  const std::string out = Quote(folder_ / "look.lmu");
  ASSERT_EQ(Run("\"Short bob\" top.psd -o " + out + " " + kSampleEyes).exitCode, 0) << Errors();
  testing::WorkFixture work;
  ReadWorkFile(folder_ / "look.lmu", work.desk, work.anchors);
  ASSERT_EQ(work.desk.Count(), 3);
  const TLayer* portrait = work.desk.PortraitLayer();
  ASSERT_NE(portrait, nullptr);
  EXPECT_EQ(portrait->WidthOf(), 445);
  EXPECT_EQ(portrait->X(), 222) << "centred on the 890 x 984 table";
  const TLayer& hair = work.desk.Layer(0);
  EXPECT_EQ(hair.DisplayName(), "Short bob");
  EXPECT_EQ(hair.SourcePath(), "Hair\\bob.psd");
  EXPECT_EQ(hair.X(), work.anchors.face.x - 120);
  EXPECT_EQ(hair.Y(), work.anchors.face.y - 180);
  const TLayer& top = work.desk.Layer(1);
  EXPECT_EQ(top.X(), 222) << "centred in the view";
  EXPECT_EQ(top.Y(), 492 - 60);
  // The eye lies where the adjusted picture has the left pupil: dark.
  const Pixel eye =
      portrait->WorkPicture().At(work.anchors.face.x - portrait->X(), work.anchors.face.y - portrait->Y());
  EXPECT_LT(eye.r + eye.g + eye.b, 3 * 110);
}

TEST_F(TryOn, WritesTheWorksPictureInAnyExportFormat) {
  ASSERT_EQ(Run("bob.psd -o " + Quote(folder_ / "look.png") + " " + kSampleEyes).exitCode, 0) << Errors();
  const test::CommandResult identify =
      test::RunCommand(std::string(test::kConvert) + " " + Quote(folder_ / "look.png") + " -format %wx%h info:");
  EXPECT_EQ(identify.output, "445x492");
}

TEST_F(TryOn, RefusesWhatAUserCouldNotDo) {
  const std::string out = " -o " + Quote(folder_ / "x.lmu");
  EXPECT_EQ(Run("\"No such look\"" + out + " " + kSampleEyes).exitCode, 1);
  EXPECT_NE(Errors().find("No such look"), std::string::npos);
  EXPECT_EQ(Run("red.psd" + out + " " + kSampleEyes).exitCode, 1) << "nails need an adjusted hand";
  EXPECT_NE(Errors().find("MessageHandIsNotAdjusted"), std::string::npos) << Errors();
  EXPECT_EQ(Run("bob.psd" + out + " --eyes 246,104,203,101").exitCode, 2) << "the eyes in the wrong order";
  EXPECT_EQ(Run("bob.psd" + out + " --eyes 1,2,3").exitCode, 2);
  EXPECT_EQ(Run("bob.psd" + out).exitCode, 1) << "no detector in this program folder";
  EXPECT_NE(Errors().find("--eyes"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "x.lmu"));
}

}  // namespace
}  // namespace lumena
