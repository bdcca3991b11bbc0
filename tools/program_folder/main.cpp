// Writes the default program folder: settings, texts, folders, cursors, the
// intro picture, the interface and the sample portrait.
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "collection/collection.h"
#include "cursor_art.h"
#include "default_interface.h"
#include "palettes.h"
#include "platform/atomic_file.h"
#include "settings_text.h"
#include "shell/cursor_names.h"
#include "splash_art.h"
#include "texts.h"

namespace fs = std::filesystem;
using namespace lumena;

namespace {

const char* const kFolders[] = {"ImageIn", "ImageOut", "Works", "Music",   "Sound",
                                "Queries", "Help",     "Tips",  "Catalog", "Cursors"};

void WriteCursors(const fs::path& folder) {
  std::string hotSpots = "# Cursor hot spots: NAME;x;y;\r\n";
  for (const CursorName& c : kCursorNames) {
    const tools::CursorArt art = tools::DrawCursor(c.name);
    const fs::path file = folder / (std::string(c.name) + ".png");
    if (!art.image.save(QString::fromStdString(file.string()), "PNG"))
      throw std::runtime_error("cannot write " + file.string());
    hotSpots +=
        std::string(c.name) + ";" + std::to_string(art.hotSpot.x()) + ";" + std::to_string(art.hotSpot.y()) + ";\r\n";
  }
  WriteFileAtomically(folder / "HotSpots.txt", hotSpots);
}

void CopySample(const fs::path& sample, const fs::path& out) {
  if (sample.empty()) return;
  if (!fs::exists(sample)) {
    std::cerr << "make-program-folder: no sample portrait at " << sample << " (run scripts/setup.sh)\n";
    return;
  }
  fs::copy_file(sample, out / "ImageIn" / "astronaut.png", fs::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: make-program-folder OUTDIR [SAMPLE_PORTRAIT]\n";
    return 2;
  }
  try {
    const fs::path out = argv[1];
    for (const char* folder : kFolders) fs::create_directories(out / folder);
    WriteFileAtomically(out / "Lumena.ini", tools::DefaultSettingsText());
    WriteFileAtomically(out / "termins.txt", tools::DefaultTexts());
    WriteFileAtomically(out / "PalData.txt", tools::DefaultPalettesText());
    WriteCursors(out / "Cursors");
    tools::WriteDefaultInterface(out);
    tools::WriteDefaultCollection(out);
    if (!tools::DrawSplash().save(QString::fromStdString((out / "Logo.jpg").string()), "JPEG", 92))
      throw std::runtime_error("cannot write the intro picture");
    CopySample(argc > 2 ? fs::path(argv[2]) : fs::path(), out);
  } catch (const std::exception& e) {
    std::cerr << "make-program-folder: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
