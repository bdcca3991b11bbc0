#include "e2e/support/x_display.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <stdexcept>

namespace lumena::e2e {

namespace {

// The title as the window sets it in UTF-8 (_NET_WM_NAME), else its WM_NAME.
std::string WindowTitle(Display* display, Window window) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(display, "UTF8_STRING", False), &type, &format, &count, &after,
                         &data) == Success &&
      data && format == 8)
    title.assign(reinterpret_cast<const char*>(data), count);
  if (data) XFree(data);
  if (!title.empty()) return title;
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name) title = name;
  if (name) XFree(name);
  return title;
}

// Qt maps each top-level widget as a child of the root window; nested X
// windows of a widget are not separate windows for a user.
std::vector<Window> RootChildren(Display* display) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  std::vector<Window> windows;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    windows.assign(children, children + count);
    XFree(children);
  }
  return windows;
}

// Windows come and go while the test looks at them: a request about one that
// has just gone fails, and the call's result says so.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

XDisplay::XDisplay() : display_(XOpenDisplay(nullptr)) {
  if (!display_) throw std::runtime_error("cannot open the X display named by DISPLAY");
  XSetErrorHandler(IgnoreErrors);
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor))
    throw std::runtime_error("the X server has no XTest extension");
}

XDisplay::~XDisplay() { XCloseDisplay(display_); }

int XDisplay::ScreenWidth() const { return DisplayWidth(display_, DefaultScreen(display_)); }
int XDisplay::ScreenHeight() const { return DisplayHeight(display_, DefaultScreen(display_)); }

void XDisplay::Sync() const { XSync(display_, False); }

std::vector<ShownWindow> XDisplay::ShownWindows() const {
  std::vector<ShownWindow> shown;
  for (Window window : RootChildren(display_)) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable) continue;
    if (attributes.c_class == InputOnly) continue;
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child)) continue;
    shown.push_back({window, WindowTitle(display_, window), {x, y, attributes.width, attributes.height}});
  }
  return shown;
}

void XDisplay::MoveTo(int x, int y) {
  XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
  Sync();
}

void XDisplay::Press(unsigned button) {
  XTestFakeButtonEvent(display_, button, True, CurrentTime);
  Sync();
}

void XDisplay::Release(unsigned button) {
  XTestFakeButtonEvent(display_, button, False, CurrentTime);
  Sync();
}

void XDisplay::Click(int x, int y, unsigned button) {
  MoveTo(x, y);
  Press(button);
  Release(button);
}

unsigned char XDisplay::KeyCodeOf(const std::string& keyName) const {
  const KeySym sym = XStringToKeysym(keyName.c_str());
  const KeyCode keyCode = sym == NoSymbol ? 0 : XKeysymToKeycode(display_, sym);
  if (!keyCode) throw std::invalid_argument("no key named " + keyName);
  return keyCode;
}

void XDisplay::Key(const std::string& name, const std::vector<std::string>& modifiers) {
  for (const std::string& modifier : modifiers) XTestFakeKeyEvent(display_, KeyCodeOf(modifier), True, CurrentTime);
  XTestFakeKeyEvent(display_, KeyCodeOf(name), True, CurrentTime);
  XTestFakeKeyEvent(display_, KeyCodeOf(name), False, CurrentTime);
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m)
    XTestFakeKeyEvent(display_, KeyCodeOf(*m), False, CurrentTime);
  Sync();
}

void XDisplay::Type(std::string_view text) {
  const KeyCode shift = KeyCodeOf("Shift_L");
  for (const char c : text) {
    // Printable ASCII characters are their own key symbols.
    const auto sym = static_cast<KeySym>(static_cast<unsigned char>(c));
    const KeyCode code = XKeysymToKeycode(display_, sym);
    if (!code) throw std::invalid_argument(std::string("no key types ") + c);
    // The symbol on the key's shifted level needs Shift held.
    const bool shifted = XkbKeycodeToKeysym(display_, code, 0, 0) != sym;
    if (shifted) XTestFakeKeyEvent(display_, shift, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shifted) XTestFakeKeyEvent(display_, shift, False, CurrentTime);
  }
  Sync();
}

void XDisplay::HoldKey(const std::string& name, bool down) {
  XTestFakeKeyEvent(display_, KeyCodeOf(name), down ? True : False, CurrentTime);
  Sync();
}

bool XDisplay::HasKeyboardFocus(XWindowId window) const {
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  if (focus == PointerRoot) {
    // Keys go to the top-level window under the pointer.
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y, &mask);
    focus = child;
  }
  // Up the tree from the focus: the program may focus a window of its own inside.
  while (focus != 0 && focus != PointerRoot && focus != DefaultRootWindow(display_)) {
    if (focus == window) return true;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, focus, &root, &parent, &children, &count)) return false;
    if (children) XFree(children);
    focus = parent;
  }
  return false;
}

QImage XDisplay::GrabScreen() const {
  const int width = ScreenWidth(), height = ScreenHeight();
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), 0, 0, width, height, AllPlanes, ZPixmap);
  if (!image) throw std::runtime_error("cannot read the screen");
  QImage shot(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) shot.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xFF000000u);
  XDestroyImage(image);
  return shot;
}

void XDisplay::WatchRootRequests() {
  // Qt asks for iconifying with a message to the root for these masks.
  XSelectInput(display_, DefaultRootWindow(display_), StructureNotifyMask | SubstructureNotifyMask);
  Sync();
}

bool XDisplay::IconifyRequested(XWindowId window) {
  const Atom changeState = XInternAtom(display_, "WM_CHANGE_STATE", False);
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == ClientMessage && event.xclient.message_type == changeState &&
        event.xclient.data.l[0] == IconicState)
      iconifyRequests_.push_back(event.xclient.window);
  }
  return std::find(iconifyRequests_.begin(), iconifyRequests_.end(), window) != iconifyRequests_.end();
}

}  // namespace lumena::e2e
