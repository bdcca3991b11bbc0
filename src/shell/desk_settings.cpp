#include "shell/desk_settings.h"

#include <algorithm>
#include <string>

#include "shell/main_window_layout.h"

namespace lumena {

namespace {

struct ValueRange {
  int lowest, highest;
};

// Keeps `value` unless the description gives another one in range.
void ReadInRange(const InterfaceIntLookup& lookup, const MessageSink& warn, const char* key, ValueRange range,
                 int& value) {
  const std::optional<int> given = lookup(key);
  if (!given) return;
  if (*given >= range.lowest && *given <= range.highest) {
    value = *given;
    return;
  }
  warn("Error in contents of file INTFACE.TXT\r" + std::string(key) + " = " + std::to_string(*given) +
       " is out of range (" + std::to_string(range.lowest) + " to " + std::to_string(range.highest) +
       "); the built-in value " + std::to_string(value) + " is used.");
}

}  // namespace

bool ReadDeskGeometry(const InterfaceIntLookup& lookup, const MessageSink& warn, DeskGeometry& desk) {
  auto tooLarge = [&](const char* key) { return lookup(key).value_or(0) > kMaxDeskTableSide; };
  if (tooLarge("DesktopTableWidth") || tooLarge("DesktopTableHeight")) return false;
  ReadInRange(lookup, warn, "DesktopTableWidth", {1, kMaxDeskTableSide}, desk.tableWidth);
  ReadInRange(lookup, warn, "DesktopTableHeight", {1, kMaxDeskTableSide}, desk.tableHeight);
  // The desk window shows at most the whole table, inside the main window.
  ReadInRange(lookup, warn, "DesktopWindowWidth", {1, std::min(desk.tableWidth, kMainWindowLayout.width)},
              desk.windowWidth);
  ReadInRange(lookup, warn, "DesktopWindowHeight", {1, std::min(desk.tableHeight, kMainWindowLayout.height)},
              desk.windowHeight);
  ReadInRange(lookup, warn, "DesktopWindowX", {0, kMainWindowLayout.width - desk.windowWidth}, desk.windowX);
  ReadInRange(lookup, warn, "DesktopWindowY", {0, kMainWindowLayout.height - desk.windowHeight}, desk.windowY);
  desk.CentreView();
  return true;
}

}  // namespace lumena
