// The table of contents: its lines as written and how each is read back.
#include "workfile/work_toc.h"

#include <gtest/gtest.h>

#include "workfile/work_file_error.h"

namespace lumena {
namespace {

TEST(WorkToc, FixedLinesOfAWorkWithoutRolesOrAnchors) {
  WorkHeader header;
  header.version = "Lumena 5.10";
  EXPECT_EQ(FixedTocLines(header),
            (std::vector<std::string>{"VERSION=Lumena 5.10;", "PORTRAIT=nil;-1;-1;",
                                      "HAND=nil;-1;-1;0;0;0;-1;-1;0;0;0;-1;-1;0;0;0;-1;-1;0;0;0;-1;-1;0;0;0;",
                                      "BODY=nil;-1;-1;", "ACTIVELAYER=nil;"}));
}

TEST(WorkToc, LayerLineHasTheNineteenFieldsInOrder) {
  TLayerRecord r{"12345678", "Short bob",         12, -35, 60, 100, 200, 0, {0x10203, 1, 2, 3, 4, 5, 6, 7, 88},
                 40,         "Hair\\hair_017.psd"};
  const std::string line = LayerTocLine(r);
  EXPECT_EQ(line, "LAYER=12345678;Short bob;12;-35;60;100;200;0;66051;1;2;3;4;5;6;7;88;40;Hair\\hair_017.psd;");
  const TLayerRecord back = ParseLayerLine(line);
  EXPECT_EQ(LayerTocLine(back), line);
  EXPECT_EQ(back.Params.Opacity, 88);
}

TEST(WorkToc, SeparatorsInsideTextFieldsCannotShiftTheFields) {
  TLayerRecord r;
  r.Name = "00000001";
  r.DisplayName = "a;b\rc";
  const TLayerRecord back = ParseLayerLine(LayerTocLine(r));
  EXPECT_EQ(back.DisplayName, "a,b,c");
  EXPECT_EQ(back.Depth, 0);
}

TEST(WorkToc, LayerKeywordInAnyCaseAndSpacing) {
  EXPECT_TRUE(IsLayerLine("layer=1;"));
  EXPECT_TRUE(IsLayerLine(" Layer =1;"));
  EXPECT_FALSE(IsLayerLine("LAYERS=1;"));
  EXPECT_FALSE(IsLayerLine("LAYER"));
  EXPECT_EQ(ParseLayerLine("layer=00000042;n;1;2;3;4;5;1;-1;50;50;50;100;100;100;100;100;0;p;").Name, "00000042");
}

TEST(WorkToc, BadLayerLinesAreErrors) {
  const char* cases[] = {
      "LAYER=00000001;n;x;2;3;4;5;1;-1;50;50;50;100;100;100;100;100;0;p;",  // a field that does not convert
      "LAYER=00000001;n;1;2;3;4;5;1;-1;50;50;50;100;100;100;100;100;",      // fields missing
      "LAYER=;n;1;2;3;4;5;1;-1;50;50;50;100;100;100;100;100;0;p;",          // no name
      "LAYER=../etc;n;1;2;3;4;5;1;-1;50;50;50;100;100;100;100;100;0;p;",    // not a stream name
      "LAYER=0123456789012345678901234567;n;1;2;3;4;5;1;-1;50;50;50;100;100;100;100;100;0;p;",
  };
  for (const char* line : cases) EXPECT_THROW(ParseLayerLine(line), EWorkFileError) << line;
}

TEST(WorkToc, OutOfRangeBytesAreClamped) {
  const TLayerRecord r = ParseLayerLine("LAYER=00000001;n;1;2;3;4;5;7;-1;50;50;50;100;100;100;100;999;0;p;");
  EXPECT_EQ(r.Visible, 1);
  EXPECT_EQ(r.Params.Opacity, 100) << "clamped to the documented 0..100";
}

struct FixedCase {
  const char* line;
  WorkRoles roles;
  PlacementAnchors anchors;
};

PlacementAnchors Present() {
  PlacementAnchors a;
  a.face = {1, 2};
  a.body = {3, 4};
  for (int i = 0; i < kNailMarkCount; ++i) a.nails[i] = {10 * i, 10 * i + 1, 5, 6, 7};
  return a;
}

PlacementAnchors With(auto change) {
  PlacementAnchors a = Present();
  change(a);
  return a;
}

TEST(WorkToc, FixedLinesChangeOnlyWhatTheyGive) {
  const FixedCase cases[] = {
      {"PORTRAIT=00000001;50;60;", {"00000001", "", "", ""}, With([](auto& a) {
         a.face = {50, 60};
       })},
      {"portrait=NIL;-1;60;", {}, With([](auto& a) { a.face.y = 60; })},
      {"PORTRAIT=;x;60;", {}, Present()},  // a value that does not convert ends the line
      {"PORTRAIT=a;70;", {"a", "", "", ""}, With([](auto& a) { a.face.x = 70; })},
      {"BODY=b;8;9;", {"", "", "b", ""}, With([](auto& a) {
         a.body = {8, 9};
       })},
      {"ACTIVELAYER=c;", {"", "", "", "c"}, Present()},
      {"ACTIVELAYER=nil;", {}, Present()},
      {"VERSION=Lumena 5.10;", {}, Present()},
      {"SOMETHING=1;2;", {}, Present()},
      {"HAND=h;100;110;27;57;15;-1;5;5;5;5;200;200;1;1;1;", {"", "h", "", ""}, With([](auto& a) {
         a.nails[0] = {100, 110, 27, 57, 15};
       })},  // an x of -1 ends the marks
      {"HAND=nil;100;-1;0;0;-5;101;102;x;", {}, With([](auto& a) {
         a.nails[0] = {100, 1, 5, 6, -5};
         a.nails[1].x = 101;
         a.nails[1].y = 102;
       })},
      {"HAND=nil;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24;25;26;", {}, With([](auto& a) {
         for (int i = 0; i < kNailMarkCount; ++i) a.nails[i] = {5 * i + 1, 5 * i + 2, 5 * i + 3, 5 * i + 4, 5 * i + 5};
       })},
  };
  for (const FixedCase& c : cases) {
    WorkRoles roles;
    PlacementAnchors anchors = Present();
    ApplyFixedTocLine(c.line, roles, anchors);
    EXPECT_EQ(roles.portrait, c.roles.portrait) << c.line;
    EXPECT_EQ(roles.hand, c.roles.hand) << c.line;
    EXPECT_EQ(roles.body, c.roles.body) << c.line;
    EXPECT_EQ(roles.active, c.roles.active) << c.line;
    EXPECT_EQ(anchors, c.anchors) << c.line;
  }
}

TEST(WorkToc, WrittenLinesReadBackIntoTheSameAnchors) {
  WorkHeader header;
  header.roles = {"00000001", "00000002", "00000003", "00000004"};
  header.anchors = Present();
  header.anchors.nails[2] = {};  // unset marks stay unset
  WorkRoles roles;
  PlacementAnchors anchors;
  for (const std::string& line : FixedTocLines(header)) ApplyFixedTocLine(line, roles, anchors);
  EXPECT_EQ(roles.portrait, "00000001");
  EXPECT_EQ(roles.active, "00000004");
  PlacementAnchors expected = header.anchors;
  expected.nails[3] = expected.nails[4] = {};  // the unset third mark ends the marks
  EXPECT_EQ(anchors, expected);
}

TEST(WorkToc, CrOnlyAndCrLfTablesReadTheSame) {
  const std::string lines[] = {"VERSION=x;", "PORTRAIT=nil;-1;-1;", "LAYER=1;"};
  std::string cr, crlf, lf;
  for (const auto& l : lines) {
    cr += l + "\r";
    crlf += l + "\r\n";
    lf += l + "\n";
  }
  const std::vector<std::string> expected(std::begin(lines), std::end(lines));
  EXPECT_EQ(SplitTocText(cr), expected);
  EXPECT_EQ(SplitTocText(crlf), expected);
  EXPECT_EQ(SplitTocText(lf), expected);
}

}  // namespace
}  // namespace lumena
