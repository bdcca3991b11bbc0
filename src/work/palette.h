#pragma once
// The named colour palettes of "PalData.txt": one palette a line, each
// field followed by ";": the name, the number of colours, then each colour
// as "red,green,blue" and its name.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

inline constexpr std::string_view kPaletteFileName = "PalData.txt";
// More colours on a line are ignored.
inline constexpr size_t kMaxPaletteColours = 50;

struct PaletteColour {
  uint32_t colour = 0;  // red + green * 256 + blue * 65536
  std::string name;
  friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

struct Palette {
  std::string name;
  std::vector<PaletteColour> colours;

  // The first of the palette's colours equal to `colour`, if any.
  const PaletteColour* Find(uint32_t colour) const;
};

// One palette line. A field that does not read (a count or channel that is
// not a number, a channel outside 0..255, a colour without three channels)
// ends the line; what was read before it is kept.
Palette ParsePaletteLine(std::string_view line);

// The palette the main window shows: its number among the file's palettes
// (from 1), how many the file holds, and the colour of the grid's first cell.
struct PaletteChoice {
  int number = 1;
  int count = 0;
  int firstShown = 0;
  Palette palette;
};

// Reads palette `choice.number` of the text; comments ("#") and blank lines
// are not palettes. The first shown colour goes back to 0.
void ReadPaletteText(PaletteChoice& choice, std::string_view text);
// The same from the file; a missing or unreadable file gives no palettes.
void ReadPalette(PaletteChoice& choice, const std::filesystem::path& file);
// The previous or next palette, wrapping around; nothing without palettes.
bool StepPalette(PaletteChoice& choice, bool forward);

}  // namespace lumena
