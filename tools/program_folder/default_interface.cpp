#include "default_interface.h"

#include <array>
#include <string>

#include "images/element_picture.h"
#include "images/ui/qt_picture.h"
#include "interface/message_window_layout.h"
#include "interface_art.h"
#include "platform/atomic_file.h"
#include "shell/main_window_layout.h"

namespace fs = std::filesystem;

namespace lumena::tools {

namespace {

constexpr std::array<const WindowLayout*, 2> kLayouts = {&kMainWindowLayout, &kMessageWindowLayout};

struct Resolution {
  const char* folder;
  int width, height;
};
constexpr Resolution kResolutions[] = {{"1024-768", 1024, 768}, {"800-600", 800, 600}};

struct ButtonPicture {
  std::string_view key, file;
};
constexpr ButtonPicture kButtonPictures[] = {
    {kSystemButtonsKey, kSystemButtonsDefault},         {kMainFormButtonsKey, kMainFormButtonsDefault},
    {kLayerModeButtonsKey, kLayerModeButtonsDefault},   {kSlidersKey, kSlidersDefault},
    {kLayerToolsButtonsKey, kLayerToolsButtonsDefault}, {kDesktopToolsButtonsKey, kDesktopToolsButtonsDefault}};

void Save(const QImage& image, const fs::path& file) { SaveElementPicture(FromQImage(image), file); }

// The main window covers the screen: on a smaller screen its skin is
// smaller and the controls at the caption bar's right end move with it.
std::string MainWindowSection(const Resolution& r) {
  std::string text = "SECTION FormMain TFormMain\r\n  Skin = '" + std::string(kMainWindowLayout.skinDefault) + "';\r\n";
  // The default interface offers flipping layers.
  text += "  OBJECT ButtonLayerFlipHorizontal TGraphicButton\r\n    Tag = 1;\r\n  END\r\n";
  if (r.width != kMainWindowLayout.width) {
    const int shift = kMainWindowLayout.width - r.width;
    text += "  OBJECT CaptionBar TCaptionBar\r\n    Width = " + std::to_string(r.width) + ";\r\n  END\r\n";
    for (const ControlLayout& c : kMainWindowLayout.controls) {
      if (!c.onCaptionBar) continue;
      text += "  OBJECT " + std::string(c.name) + " TGraphicButton\r\n    Left = " + std::to_string(c.left - shift) +
              ";\r\n  END\r\n";
    }
  }
  return text + "END\r\n";
}

std::string InterfaceDescription(const Resolution& r) {
  std::string text =
      "# The default interface of Lumena.\r\n"
      "DesktopTableWidth = 890; DesktopTableHeight = 984;\r\n"
      "DesktopWindowX = 97; DesktopWindowY = 62; DesktopWindowWidth = 445; DesktopWindowHeight = 492;\r\n";
  for (const ButtonPicture& b : kButtonPictures) text += std::string(b.key) + " = '" + std::string(b.file) + "';\r\n";
  text += MainWindowSection(r);
  text += "SECTION FormMessage TFormMessage\r\n  Skin = '" + std::string(kMessageWindowLayout.skinDefault) +
          "';\r\nEND\r\n";
  return text;
}

}  // namespace

void WriteDefaultInterface(const fs::path& programFolder) {
  for (const Resolution& r : kResolutions) {
    const fs::path folder = programFolder / "Intfaces" / "DEFAULT" / r.folder;
    fs::create_directories(folder);
    WriteFileAtomically(folder / "INTFACE.TXT", InterfaceDescription(r));
    for (const WindowLayout* layout : kLayouts) {
      const bool coversScreen = layout == &kMainWindowLayout;
      Save(DrawSkin(*layout, coversScreen ? r.width : layout->width, coversScreen ? r.height : layout->height),
           folder / std::string(layout->skinDefault));
    }
    for (const ButtonPicture& b : kButtonPictures)
      Save(DrawButtonPicture(b.key, kLayouts), folder / std::string(b.file));
  }
}

}  // namespace lumena::tools
