#include "work/palette.h"

#include <algorithm>
#include <optional>

#include "images/picture.h"
#include "platform/data_file.h"
#include "platform/file_error.h"
#include "platform/record_fields.h"
#include "platform/text.h"

namespace lumena {

namespace {

std::optional<int> ParseField(std::string_view field) { return ParseInt(TrimView(field)); }

// "red,green,blue", each 0..255.
std::optional<uint32_t> ParseColour(std::string_view entry) {
  const std::vector<std::string> channels = SplitAt(entry, ',');
  if (channels.size() != 3) return std::nullopt;
  uint8_t rgb[3] = {};
  for (size_t i = 0; i < 3; ++i) {
    const std::optional<int> value = ParseField(channels[i]);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    rgb[i] = static_cast<uint8_t>(*value);
  }
  return ColorValue(rgb[0], rgb[1], rgb[2]);
}

bool IsPaletteLine(std::string_view line) {
  const std::string_view text = TrimView(line);
  return !text.empty() && !text.starts_with('#');
}

}  // namespace

const PaletteColour* Palette::Find(uint32_t colour) const {
  const auto it = std::find_if(colours.begin(), colours.end(), [colour](const auto& c) { return c.colour == colour; });
  return it == colours.end() ? nullptr : &*it;
}

Palette ParsePaletteLine(std::string_view line) {
  RecordFieldCursor fields(line);
  Palette palette;
  palette.name = TrimView(fields.Next());
  const std::optional<int> count = ParseField(fields.Next());
  if (!count) return palette;
  const size_t wanted = std::min(static_cast<size_t>(std::max(*count, 0)), kMaxPaletteColours);
  while (palette.colours.size() < wanted && fields.HasSeparator()) {
    const std::optional<uint32_t> colour = ParseColour(fields.Next());
    if (!colour) break;
    palette.colours.push_back({*colour, std::string(TrimView(fields.Next()))});
  }
  return palette;
}

void ReadPaletteText(PaletteChoice& choice, std::string_view text) {
  choice.count = 0;
  choice.firstShown = 0;
  choice.palette = {};
  for (const std::string& line : SplitLines(text)) {
    if (!IsPaletteLine(line)) continue;
    if (++choice.count == choice.number) choice.palette = ParsePaletteLine(AnsiTextToUtf8(line));
  }
}

void ReadPalette(PaletteChoice& choice, const std::filesystem::path& file) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadDataFile(file);
  } catch (const EFileError&) {
    // Without the file there are no palettes, and nothing to tell.
  }
  ReadPaletteText(choice, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool StepPalette(PaletteChoice& choice, bool forward) {
  if (choice.count <= 0) return false;
  if (forward)
    choice.number = choice.number >= choice.count ? 1 : choice.number + 1;
  else
    choice.number = choice.number <= 1 ? choice.count : choice.number - 1;
  return true;
}

}  // namespace lumena
