// The default palettes, for the looks of the default collection. A tint
// keeps 140 parts of a pixel and adds 115 of the colour, so the colours are
// stronger than the looks they name: on the collection's darker hair and
// make-up only a vivid colour shows through.
#include "palettes.h"

#include <array>
#include <string_view>
#include <vector>

namespace lumena::tools {

namespace {

struct Swatch {
  std::string_view name;
  int r, g, b;
};

struct DefaultPalette {
  std::string_view name;
  std::vector<Swatch> colours;
};

const std::array<DefaultPalette, 8> kPalettes = {{
    {"Natural hair",
     {{"Jet black", 20, 16, 14},
      {"Espresso", 70, 40, 22},
      {"Chestnut", 150, 72, 30},
      {"Auburn", 185, 55, 20},
      {"Copper", 235, 100, 30},
      {"Mahogany", 130, 30, 30},
      {"Strawberry blonde", 250, 150, 95},
      {"Honey", 230, 165, 70},
      {"Golden blonde", 255, 205, 90},
      {"Ash blonde", 210, 200, 165},
      {"Platinum", 255, 250, 235},
      {"Silver grey", 200, 200, 205}}},
    {"Fashion hair",
     {{"Pastel pink", 255, 160, 205},
      {"Hot pink", 255, 40, 150},
      {"Lavender", 195, 150, 255},
      {"Violet", 140, 40, 225},
      {"Electric blue", 30, 90, 255},
      {"Teal", 0, 175, 175},
      {"Mint", 120, 245, 190},
      {"Emerald", 0, 175, 80},
      {"Fire red", 245, 20, 20},
      {"Sunset orange", 255, 110, 20},
      {"Lemon", 255, 240, 60},
      {"Rose gold", 245, 170, 150}}},
    {"Lips",
     {{"Nude", 220, 145, 125},
      {"Peach", 255, 160, 120},
      {"Coral", 255, 100, 80},
      {"Rose", 225, 90, 110},
      {"Classic red", 215, 15, 30},
      {"Cherry", 185, 10, 40},
      {"Brick", 165, 50, 35},
      {"Wine", 115, 15, 30},
      {"Berry", 145, 20, 75},
      {"Plum", 105, 25, 65},
      {"Mauve", 175, 100, 135},
      {"Fuchsia", 235, 30, 135}}},
    {"Eye shadow",
     {{"Champagne", 245, 220, 175},
      {"Gold", 235, 185, 40},
      {"Bronze", 185, 110, 50},
      {"Taupe", 145, 118, 100},
      {"Smoky grey", 90, 90, 96},
      {"Charcoal", 45, 45, 50},
      {"Plum", 115, 50, 105},
      {"Lilac", 195, 150, 225},
      {"Navy", 30, 40, 115},
      {"Teal", 20, 135, 145},
      {"Forest", 40, 105, 50},
      {"Rose gold", 235, 160, 140}}},
    {"Blush",
     {{"Soft pink", 255, 170, 180},
      {"Rose", 235, 120, 140},
      {"Peach", 255, 170, 130},
      {"Apricot", 255, 150, 100},
      {"Coral", 255, 120, 100},
      {"Mauve", 205, 120, 140},
      {"Berry", 195, 60, 100},
      {"Bronze", 195, 120, 80}}},
    {"Nail polish",
     {{"Classic red", 220, 10, 30},
      {"Scarlet", 255, 35, 20},
      {"Burgundy", 110, 10, 35},
      {"Ballet pink", 255, 190, 200},
      {"Nude", 225, 170, 145},
      {"Coral", 255, 105, 85},
      {"Tangerine", 255, 130, 20},
      {"Lemon", 255, 235, 70},
      {"Mint", 150, 245, 200},
      {"Sky blue", 110, 190, 255},
      {"Cobalt", 20, 60, 220},
      {"Lilac", 200, 160, 240},
      {"Purple", 110, 20, 170},
      {"Black", 10, 10, 12},
      {"White", 255, 255, 255},
      {"Silver", 215, 215, 220}}},
    {"Metals",
     {{"Gold", 245, 190, 60},
      {"Rose gold", 240, 165, 140},
      {"Silver", 215, 215, 220},
      {"Platinum", 235, 232, 225},
      {"Copper", 210, 110, 60},
      {"Bronze", 175, 120, 60},
      {"Brass", 205, 175, 80},
      {"Gunmetal", 80, 85, 92}}},
    {"Clothes",
     {{"White", 255, 255, 255},
      {"Ivory", 255, 250, 230},
      {"Beige", 225, 205, 170},
      {"Camel", 195, 150, 95},
      {"Chocolate", 90, 50, 30},
      {"Black", 12, 12, 14},
      {"Charcoal", 60, 60, 66},
      {"Grey", 150, 150, 155},
      {"Navy", 20, 30, 90},
      {"Denim", 60, 95, 160},
      {"Sky blue", 135, 195, 245},
      {"Burgundy", 120, 15, 40},
      {"Red", 215, 20, 30},
      {"Olive", 110, 120, 40},
      {"Forest green", 30, 95, 45},
      {"Mustard", 215, 170, 30}}},
}};

}  // namespace

std::string DefaultPalettesText() {
  std::string text = "# Colour palettes of Lumena: Name;Count;red,green,blue;Colour name;...\r\n";
  for (const DefaultPalette& palette : kPalettes) {
    text += std::string(palette.name) + ";" + std::to_string(palette.colours.size()) + ";";
    for (const Swatch& s : palette.colours)
      text +=
          std::to_string(s.r) + "," + std::to_string(s.g) + "," + std::to_string(s.b) + ";" + std::string(s.name) + ";";
    text += "\r\n";
  }
  return text;
}

}  // namespace lumena::tools
