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

std::optional<ShownWindow> LumenaScreen::backdrop() const {
  for (const ShownWindow& w : x_.shownWindows())
    if (w.rect == ScreenRect{0, 0, x_.screenWidth(), x_.screenHeight()}) return w;
  return std::nullopt;
}

ScreenRect LumenaScreen::mainWindow() const {
  const int width = kMainWindowLayout.width, height = kMainWindowLayout.height;
  return {(x_.screenWidth() - width) / 2, (x_.screenHeight() - height) / 2, width, height};
}

bool LumenaScreen::drawn(const ScreenRect& rect) const {
  const QImage shot = x_.grabScreen();
  for (int y = rect.top; y < rect.top + rect.height; ++y)
    for (int x = rect.left; x < rect.left + rect.width; ++x)
      if (shot.valid(x, y) && (shot.pixel(x, y) & 0xFFFFFFu) != 0) return true;
  return false;
}

bool LumenaScreen::mainWindowShown() const {
  // The skin's caption strip is drawn: the backdrop alone is black there.
  return backdrop() && drawn(control(mainWindow(), kMainWindowLayout, "CaptionBar"));
}

std::optional<ShownWindow> LumenaScreen::window(const WindowLayout& layout) const {
  for (const ShownWindow& w : x_.shownWindows())
    if (w.rect.width == layout.width && w.rect.height == layout.height) return w;
  return std::nullopt;
}

ScreenRect LumenaScreen::control(const ScreenRect& window, const WindowLayout& layout, std::string_view name) {
  const ControlLayout* c = layout.control(name);
  if (!c) throw std::invalid_argument("no control " + std::string(name) + " in " + std::string(layout.name));
  return {window.left + c->left, window.top + c->top, c->width, c->height};
}

void LumenaScreen::clickControl(const ScreenRect& window, const WindowLayout& layout, std::string_view name) {
  const ScreenRect place = control(window, layout, name);
  // The pointer comes in first, as a user's does, so the control sees it enter.
  x_.moveTo(place.left + 1, place.top + 1);
  x_.click(place.centreX(), place.centreY());
}

QImage LumenaScreen::screenshot(std::string_view name) const {
  const std::filesystem::path folder = std::filesystem::path(LUMENA_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(folder);
  const QImage shot = x_.grabScreen();
  shot.save(QString::fromStdString((folder / ("e2e-" + std::string(name) + ".png")).string()));
  return shot;
}

}  // namespace lumena::e2e
