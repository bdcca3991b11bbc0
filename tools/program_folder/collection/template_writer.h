#pragma once
// Saves the templates of one type: each picture cropped to what was drawn,
// its mask beside it, and its record line for the template base.
#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "random_source.h"
#include "template_canvas.h"
#include "templates/template_base.h"

namespace lumena::tools {

// How a picture's X and Y are found, by its type's placement group.
enum class Placement {
  Face,  // cropped; X, Y from the face anchor
  Nail,  // cropped; X = Y = 100: fitted into the nail keeping proportions
  Body,  // the whole portrait, centred on it
  Work,  // the whole portrait, from the table's centre
};

struct TemplateEntry {
  std::string_view file;  // base name; ".psd" and ".msk" are added
  std::string_view name;
  std::string_view tags;
};

class TemplateWriter {
 public:
  TemplateWriter(std::filesystem::path folder, int typeNumber);

  // The title entry that heads the type's cell in the grid.
  void AddTitle(std::string_view file, std::string_view caption, const QImage& card);
  void Add(const TemplateEntry& entry, const TemplateCanvas& canvas, Placement placement);

  const std::vector<TPartInfoRecord>& Records() const { return records_; }

 private:
  std::filesystem::path folder_;
  int typeNumber_;
  std::vector<TPartInfoRecord> records_;
};

// One nail design's canvas, upright.
inline constexpr QRect kNailArea{0, 0, 44, 66};

// A fresh canvas for the placement: the face's drawing area, a nail, or
// the whole portrait.
TemplateCanvas CanvasFor(Placement placement);

// A row of a kind's table: the template's names and what it is drawn from.
template <typename Look>
struct TemplateRow {
  TemplateEntry entry;
  Look look;
};

// Draws every row of a kind's table on its own canvas, with randomness
// seeded by the file name, and saves it.
template <typename Look, size_t N, typename DrawRoutine>
void WriteTable(TemplateWriter& writer, const TemplateRow<Look> (&rows)[N], Placement placement, DrawRoutine draw) {
  for (const TemplateRow<Look>& row : rows) {
    TemplateCanvas canvas = CanvasFor(placement);
    RandomSource random(row.entry.file);
    draw(canvas, row.look, random);
    writer.Add(row.entry, canvas, placement);
  }
}

}  // namespace lumena::tools
