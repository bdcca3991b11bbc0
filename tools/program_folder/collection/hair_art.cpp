#include "hair_cuts.h"
#include "template_kinds.h"

namespace lumena::tools {

namespace {

struct HairDesign {
  HairCut cut;
  double length;  // where the longest strands end on the portrait
  double wave;
  HairPalette palette;  // roots, mass, lengths, highlights
};
using Hairstyle = TemplateRow<HairDesign>;

// Natural shades first, then the fashion colours.
const Hairstyle kHairstyles[] = {
    {{"hair_long_straight_brown", "Long and straight, chocolate brown",
      "?LENGTH=LONG;?STYLE=STRAIGHT,FRINGE;?COLOUR=BROWN;"},
     {HairCut::LongSwept, 440, 1.5, {{66, 42, 30}, {88, 58, 40}, {110, 74, 50}, {168, 124, 86}}}},
    {{"hair_long_waves_honey", "Long waves, honey blonde", "?LENGTH=LONG;?STYLE=WAVY,FRINGE;?COLOUR=BLONDE;"},
     {HairCut::LongSwept, 450, 7, {{140, 104, 62}, {178, 136, 82}, {212, 172, 112}, {242, 216, 164}}}},
    {{"hair_shoulder_black", "Shoulder length, black", "?LENGTH=MEDIUM;?STYLE=STRAIGHT,FRINGE;?COLOUR=BLACK;"},
     {HairCut::LongSwept, 370, 1.5, {{22, 18, 18}, {32, 27, 27}, {44, 37, 37}, {120, 110, 118}}}},
    {{"hair_long_waves_copper", "Long waves, copper", "?LENGTH=LONG;?STYLE=WAVY,FRINGE;?COLOUR=RED;"},
     {HairCut::LongSwept, 430, 6, {{120, 52, 28}, {160, 74, 36}, {192, 102, 54}, {236, 156, 98}}}},
    {{"hair_curls_auburn", "Curls, auburn", "?LENGTH=MEDIUM;?STYLE=CURLY;?COLOUR=RED;"},
     {HairCut::Curls, 375, 0, {{90, 38, 28}, {118, 52, 36}, {146, 72, 48}, {200, 120, 88}}}},
    {{"hair_curls_dark", "Curls, dark brown", "?LENGTH=MEDIUM;?STYLE=CURLY;?COLOUR=BROWN;"},
     {HairCut::Curls, 395, 0, {{36, 24, 20}, {52, 36, 28}, {70, 50, 38}, {138, 104, 80}}}},
    {{"hair_bob_black", "Bob with a fringe, blue-black", "?LENGTH=SHORT;?STYLE=STRAIGHT,FRINGE,CLASSIC;?COLOUR=BLACK;"},
     {HairCut::BobFringe, 345, 0, {{14, 16, 24}, {24, 26, 38}, {34, 36, 50}, {110, 120, 150}}}},
    {{"hair_bob_platinum", "Bob with a fringe, platinum",
      "?LENGTH=SHORT;?STYLE=STRAIGHT,FRINGE,CLASSIC;?COLOUR=BLONDE;"},
     {HairCut::BobFringe, 330, 0, {{170, 160, 140}, {214, 206, 186}, {232, 226, 210}, {252, 250, 244}}}},
    {{"hair_short_ash", "Tousled short cut, ash blonde", "?LENGTH=SHORT;?STYLE=MODERN,TEXTURED;?COLOUR=BLONDE;"},
     {HairCut::ShortLayered, 0, 4, {{120, 108, 88}, {158, 146, 122}, {186, 176, 152}, {226, 220, 200}}}},
    {{"hair_updo_chestnut", "Updo with a bun, chestnut", "?LENGTH=UPDO;?STYLE=UPDO,FRINGE,FESTIVE;?COLOUR=BROWN;"},
     {HairCut::Updo, 0, 0, {{82, 46, 30}, {118, 70, 42}, {146, 92, 58}, {198, 142, 98}}}},
    {{"hair_short_violet", "Tousled short cut, violet", "?LENGTH=SHORT;?STYLE=MODERN,TEXTURED;?COLOUR=FASHION,VIOLET;"},
     {HairCut::ShortLayered, 0, 4, {{54, 34, 76}, {104, 66, 146}, {146, 108, 188}, {204, 176, 236}}}},
    {{"hair_long_waves_pink", "Long waves, pastel pink", "?LENGTH=LONG;?STYLE=WAVY,FRINGE;?COLOUR=FASHION,PINK;"},
     {HairCut::LongSwept, 440, 7, {{150, 92, 112}, {222, 150, 172}, {238, 184, 200}, {255, 226, 234}}}},
};

void DrawHairstyle(TemplateCanvas& canvas, const HairDesign& design, RandomSource& random) {
  const HairCutShape shape = ShapeOfCut(design.cut, design.length, design.wave);
  DrawHair(canvas, shape.sheets, design.palette, shape.look, random);
}

}  // namespace

void DrawHairstyles(TemplateWriter& writer) { WriteTable(writer, kHairstyles, Placement::Face, DrawHairstyle); }

}  // namespace lumena::tools
