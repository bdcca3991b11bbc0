#pragma once
// The program as a user sees it on the screen: its windows found from the
// built-in layout tables, waits for what the screen shows, screenshots.
#include <chrono>
#include <functional>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "e2e/support/x_display.h"
#include "interface/window_layout.h"

namespace lumena::e2e {

// How long a step may take on a busy machine before the test gives up.
inline constexpr double kStepSeconds = 30;
// How long a click waits for its control to answer the pointer.
inline constexpr double kHoverSeconds = 3;

// Polls `condition` until it holds or `seconds` pass; true when it held.
bool WaitUntil(const std::function<bool()>& condition, double seconds = kStepSeconds);

class LumenaScreen {
 public:
  explicit LumenaScreen(XDisplay& x) : x_(x) {}

  // The black backdrop that covers the screen.
  std::optional<ShownWindow> Backdrop() const;
  // The main window, embedded in the backdrop and centred on it; shown once
  // its skin is drawn there.
  ScreenRect MainWindow() const;
  // The same for a window of another size (a smaller interface's).
  ScreenRect MainWindow(int width, int height) const;
  bool MainWindowShown() const;
  // A shown top-level window of the layout's size other than the backdrop.
  std::optional<ShownWindow> Window(const WindowLayout& layout) const;
  // A shown top-level window whose title begins with `title` (the file
  // dialogs; the window system adds the program's name after it).
  std::optional<ShownWindow> WindowTitled(std::string_view title) const;
  std::vector<ShownWindow> WindowsTitled(std::string_view title) const;
  // A control's place on the screen, inside a window placed at `window`.
  static ScreenRect Control(const ScreenRect& window, const WindowLayout& layout, std::string_view name);

  // The colour shown at a screen point, without alpha.
  QRgb PixelAt(int x, int y) const;

  // True when something other than black is drawn inside `rect`.
  bool Drawn(const ScreenRect& rect) const;

  // Points at a control, waits until it answers the pointer, then clicks.
  void ClickControl(const ScreenRect& window, const WindowLayout& layout, std::string_view name);
  // The same for a control at `place` inside `window`.
  void ClickPlace(const ScreenRect& window, const ScreenRect& place);
  // True when the topmost window at a screen point holds all of `window`:
  // no other window (a hint) lies over it there.
  bool Uncovered(const ScreenRect& window, int x, int y) const;
  // Saves the screen as build/screenshots/e2e-<name>.png and returns it.
  QImage Screenshot(std::string_view name) const;

 private:
  XDisplay& x_;
};

}  // namespace lumena::e2e
