#pragma once
// The test's side of the X server: finds the program's windows, sends real
// pointer and key events through XTest, and reads the screen back.
#include <QImage>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Xlib stays out of the headers: its macros (None, Status, Bool...) clash
// with Qt and our own names.
struct _XDisplay;

namespace lumena::e2e {

using XWindowId = unsigned long;

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  int CentreX() const { return left + width / 2; }
  int CentreY() const { return top + height / 2; }
  bool operator==(const ScreenRect&) const = default;
};

struct ShownWindow {
  XWindowId id = 0;
  std::string title;
  ScreenRect rect;  // on the screen
};

class XDisplay {
 public:
  XDisplay();  // the display named by DISPLAY
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  int ScreenWidth() const;
  int ScreenHeight() const;

  // The viewable top-level windows, bottom first.
  std::vector<ShownWindow> ShownWindows() const;

  void MoveTo(int x, int y);
  void Click(int x, int y, unsigned button = 1);
  void Press(unsigned button);
  void Release(unsigned button);
  // A key by its X name ("Escape", "Return", "z"), with modifier names
  // ("Control_L") held around it.
  void Key(const std::string& name, const std::vector<std::string>& modifiers = {});
  // Types printable ASCII text, with Shift where a character needs it.
  void Type(std::string_view text);
  // Presses (down) or releases a key alone, for clicks made with it held.
  void HoldKey(const std::string& name, bool down);

  // True when keys typed now go to `window` (or a window inside it).
  bool HasKeyboardFocus(XWindowId window) const;

  QImage GrabScreen() const;

  // Requests that other clients send to the root window (a window asking to
  // be iconified, for one) are reported from now on.
  void WatchRootRequests();
  // True when, since watching began, `window` asked to be iconified.
  bool IconifyRequested(XWindowId window);

 private:
  unsigned char KeyCodeOf(const std::string& keyName) const;
  void Sync() const;
  _XDisplay* display_;
  std::vector<XWindowId> iconifyRequests_;
};

}  // namespace lumena::e2e
