#include "e2e/support/lumena_screen.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include "shell/main_window_layout.h"

namespace lumena::e2e {

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::optional<ShownWindow> LumenaScreen::Backdrop() const {
  for (const ShownWindow& w : x_.ShownWindows())
    if (w.rect == ScreenRect{0, 0, x_.ScreenWidth(), x_.ScreenHeight()}) return w;
  return std::nullopt;
}

ScreenRect LumenaScreen::MainWindow(int width, int height) const {
  return {(x_.ScreenWidth() - width) / 2, (x_.ScreenHeight() - height) / 2, width, height};
}

ScreenRect LumenaScreen::MainWindow() const { return MainWindow(kMainWindowLayout.width, kMainWindowLayout.height); }

bool LumenaScreen::Drawn(const ScreenRect& rect) const {
  const QImage shot = x_.GrabScreen();
  for (int y = rect.top; y < rect.top + rect.height; ++y)
    for (int x = rect.left; x < rect.left + rect.width; ++x)
      if (shot.valid(x, y) && (shot.pixel(x, y) & 0xFFFFFFu) != 0) return true;
  return false;
}

QRgb LumenaScreen::PixelAt(int x, int y) const { return x_.GrabScreen().pixel(x, y) & 0xFFFFFFu; }

bool LumenaScreen::MainWindowShown() const {
  // The skin's caption strip is drawn: the backdrop alone is black there.
  // The smaller interface's window is smaller.
  return Backdrop() &&
         (Drawn(Control(MainWindow(), kMainWindowLayout, "CaptionBar")) ||
          Drawn(Control(MainWindow(kSmallScreenWidth, kSmallScreenHeight), kMainWindowLayout, "CaptionBar")));
}

std::optional<ShownWindow> LumenaScreen::Window(const WindowLayout& layout) const {
  for (const ShownWindow& w : x_.ShownWindows())
    if (w.rect.width == layout.width && w.rect.height == layout.height) return w;
  return std::nullopt;
}

std::vector<ShownWindow> LumenaScreen::WindowsTitled(std::string_view title) const {
  std::vector<ShownWindow> titled;
  for (const ShownWindow& w : x_.ShownWindows())
    if (w.title.starts_with(title)) titled.push_back(w);
  return titled;
}

std::optional<ShownWindow> LumenaScreen::WindowTitled(std::string_view title) const {
  const std::vector<ShownWindow> titled = WindowsTitled(title);
  if (titled.empty()) return std::nullopt;
  return titled.front();
}

ScreenRect LumenaScreen::Control(const ScreenRect& window, const WindowLayout& layout, std::string_view name) {
  const ControlLayout* c = layout.Control(name);
  if (!c) throw std::invalid_argument("no control " + std::string(name) + " in " + std::string(layout.name));
  const ControlPlace place = layout.PlaceInWindow(*c);
  return {window.left + place.left, window.top + place.top, place.width, place.height};
}

bool LumenaScreen::Uncovered(const ScreenRect& window, int x, int y) const {
  const std::vector<ShownWindow> shown = x_.ShownWindows();
  for (auto w = shown.rbegin(); w != shown.rend(); ++w) {
    const ScreenRect& r = w->rect;
    if (x < r.left || y < r.top || x >= r.left + r.width || y >= r.top + r.height) continue;
    return r.left <= window.left && r.top <= window.top && r.left + r.width >= window.left + window.width &&
           r.top + r.height >= window.top + window.height;
  }
  return false;
}

void LumenaScreen::ClickControl(const ScreenRect& window, const WindowLayout& layout, std::string_view name) {
  ClickPlace(window, Control(window, layout, name));
}

void LumenaScreen::ClickPlace(const ScreenRect& window, const ScreenRect& place) {
  // The pointer comes in first, as a user's does, so the control sees it
  // enter; like a user, the click waits until the control lights up and no
  // hint of the control left behind lies over it (a busy program answers
  // the pointer late).
  x_.MoveTo(place.left + 1, place.top + 1);
  const QImage resting = x_.GrabScreen().copy(place.left, place.top, place.width, place.height);
  x_.MoveTo(place.CentreX(), place.CentreY());
  WaitUntil(
      [&] {
        return x_.GrabScreen().copy(place.left, place.top, place.width, place.height) != resting &&
               Uncovered(window, place.CentreX(), place.CentreY());
      },
      kHoverSeconds);
  x_.Click(place.CentreX(), place.CentreY());
}

QImage LumenaScreen::Screenshot(std::string_view name) const {
  const std::filesystem::path folder = std::filesystem::path(LUMENA_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(folder);
  const QImage shot = x_.GrabScreen();
  shot.save(QString::fromStdString((folder / ("e2e-" + std::string(name) + ".png")).string()));
  return shot;
}

}  // namespace lumena::e2e
