#include "default_interface.h"

#include <array>
#include <string>
#include <vector>

#include "default_template_types.h"
#include "editing/layers_window_layout.h"
#include "editing/region_edit_window_layout.h"
#include "images/element_picture.h"
#include "images/ui/qt_picture.h"
#include "interface/message_window_layout.h"
#include "interface_art.h"
#include "media/camera_window_layout.h"
#include "platform/atomic_file.h"
#include "portrait/adjust_window_layout.h"
#include "portrait/preview_window_layout.h"
#include "shell/main_window_layout.h"
#include "templates/templates_window_layout.h"
#include "workfile/load_save_window_layout.h"

namespace fs = std::filesystem;

namespace lumena::tools {

namespace {

constexpr std::array kLayouts = {&kMainWindowLayout,    &kMessageWindowLayout,   &kAdjustWindowLayout,
                                 &kPreviewWindowLayout, &kTemplatesWindowLayout, &kLoadSaveWindowLayout,
                                 &kCameraWindowLayout,  &kRegionsWindowLayout,   &kRegionEditWindowLayout,
                                 &kLayersWindowLayout};

// The strip shows the template types' buttons in the types' order.
constexpr bool StripFollowsTheTypes() {
  if (std::size(kDefaultTemplateTypes) != kDefaultTemplateButtons.size()) return false;
  for (size_t i = 0; i < kDefaultTemplateButtons.size(); ++i)
    if (kDefaultTemplateTypes[i].button != kDefaultTemplateButtons[i]) return false;
  return true;
}
static_assert(StripFollowsTheTypes());

// Every sheet of button cells: the main window's, then the other windows'.
std::vector<PictureSheet> AllSheets() {
  std::vector<PictureSheet> sheets(std::begin(kButtonSheets), std::end(kButtonSheets));
  sheets.push_back({kAdjustButtonsKey, kAdjustButtonsDefault});
  sheets.push_back({kTemplatesButtonsKey, kTemplatesButtonsDefault});
  sheets.push_back(kLoadSaveSheet);
  sheets.push_back(kCameraSheet);
  // The region editor's cells are drawn in this picture too.
  sheets.push_back(kRegionsSheet);
  return sheets;
}

struct Resolution {
  const char* folder;
  int width, height;
};
constexpr Resolution kResolutions[] = {{"1024-768", 1024, 768}, {"800-600", 800, 600}};

void Save(const QImage& image, const fs::path& file) { SaveElementPicture(FromQImage(image), file); }

std::string_view ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::CaptionBar:
      return "TCaptionBar";
    case ControlKind::GraphicSlider:
      return "TGraphicSlider";
    case ControlKind::Label:
      return "TLabel";
    case ControlKind::Picture:
      return "TImage";
    case ControlKind::Panel:
      return "TPanel";
    case ControlKind::GraphicButton:
      break;
  }
  return "TGraphicButton";
}

std::string ObjectPlace(std::string_view name, const ControlPlace& place) {
  const ControlLayout* c = kMainWindowLayout.Control(name);
  std::string text = "  OBJECT " + std::string(name) + " " +
                     std::string(ClassOf(c ? c->kind : ControlKind::GraphicButton)) +
                     "\r\n    Left = " + std::to_string(place.left) + "; Top = " + std::to_string(place.top) + ";";
  if (place.width) text += " Width = " + std::to_string(place.width) + ";";
  if (place.height) text += " Height = " + std::to_string(place.height) + ";";
  return text + "\r\n  END\r\n";
}

template <size_t N>
std::string SlotList(const std::array<Point, N>& places) {
  std::string text;
  for (const Point& p : places) text += (text.empty() ? "" : "; ") + std::to_string(p.x) + "," + std::to_string(p.y);
  return text;
}

// The main window covers the screen: on a smaller screen its skin is
// smaller, the desk shrinks and the top-level controls move.
std::string MainWindowSection(const Resolution& r) {
  const bool small = r.width != kMainWindowLayout.width;
  std::string text = "SECTION FormMain TFormMain\r\n  Skin = '" + std::string(kMainWindowLayout.skinDefault) + "';\r\n";
  std::string buttons;
  for (std::string_view name : kDefaultTemplateButtons) buttons += std::string(buttons.empty() ? "" : " ") += name;
  text += "  TemplateButtons = '" + buttons + "';\r\n";
  text +=
      "  TemplateBtnShowPos = '" + (small ? SlotList(kSmallScreenTemplateSlots) : SlotList(kTemplateSlots)) + "';\r\n";
  // Small nail designs take a denser grid.
  text += "  TemplatePreviewInfo = '5 3 5';\r\n";
  // The default interface offers flipping layers.
  text += "  OBJECT ButtonLayerFlipHorizontal TGraphicButton\r\n    Tag = 1;\r\n  END\r\n";
  // Each template-type button opens its type.
  for (const DefaultTemplateType& t : kDefaultTemplateTypes)
    text += "  OBJECT " + std::string(t.button) + " TGraphicButton\r\n    Tag = " + std::to_string(t.number) +
            ";\r\n  END\r\n";
  if (!small) return text + "END\r\n";
  const int shift = kMainWindowLayout.width - r.width;
  text += "  OBJECT CaptionBar TCaptionBar\r\n    Width = " + std::to_string(r.width) + ";\r\n  END\r\n";
  for (const ControlLayout& c : kMainWindowLayout.controls)
    if (c.parent == "CaptionBar") text += ObjectPlace(c.name, {c.left - shift, c.top, 0, 0});
  for (const SmallScreenPlace& p : kSmallScreenPlaces) text += ObjectPlace(p.name, p.place);
  return text + "END\r\n";
}

// The size the smaller interface gives a control, where it changes it.
std::optional<QSize> SizeOnScreen(const Resolution& r, const ControlLayout& c) {
  if (r.width == kMainWindowLayout.width) return std::nullopt;
  for (const SmallScreenPlace& s : kSmallScreenPlaces)
    if (s.name == c.name)
      return QSize(s.place.width ? s.place.width : c.width, s.place.height ? s.place.height : c.height);
  return std::nullopt;
}

std::string DeskPlace(const Resolution& r) {
  const ControlPlace desk = r.width == kMainWindowLayout.width ? kDeskPlace : kSmallScreenDesk;
  return "DesktopWindowX = " + std::to_string(desk.left) + "; DesktopWindowY = " + std::to_string(desk.top) +
         "; DesktopWindowWidth = " + std::to_string(desk.width) +
         "; DesktopWindowHeight = " + std::to_string(desk.height) + ";\r\n";
}

std::string InterfaceDescription(const Resolution& r) {
  std::string text =
      "# The default interface of Lumena.\r\n"
      "DesktopTableWidth = 890; DesktopTableHeight = 984;\r\n" +
      DeskPlace(r);
  for (const PictureSheet& b : AllSheets()) text += std::string(b.key) + " = '" + std::string(b.file) + "';\r\n";
  for (const ControlLayout& c : kMainWindowLayout.controls)
    if (c.kind == ControlKind::Panel || c.kind == ControlKind::Picture)
      text += std::string(c.pictureKey) + " = '" + std::string(c.pictureDefault) + "';\r\n";
  text += MainWindowSection(r);
  for (const WindowLayout* layout : kLayouts) {
    if (layout == &kMainWindowLayout) continue;
    const std::string name(layout->name);
    text += "SECTION " + name + " T" + name + "\r\n  Skin = '" + std::string(layout->skinDefault) + "';\r\nEND\r\n";
  }
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
    const ShownSize shownSize = [&r](const ControlLayout& c) { return SizeOnScreen(r, c); };
    for (const PictureSheet& b : AllSheets())
      Save(DrawButtonPicture(b.key, kLayouts, shownSize), folder / std::string(b.file));
    for (const ControlLayout& c : kMainWindowLayout.controls)
      if (c.kind == ControlKind::Panel || c.kind == ControlKind::Picture)
        Save(DrawWholePicture(kMainWindowLayout, c), folder / std::string(c.pictureDefault));
  }
}

}  // namespace lumena::tools
