#pragma once
// What every window may ask of windows that come later (help pages, tips),
// and the backdrop that owns every top-level window.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string_view>

namespace lumena {

struct WindowServices {
  // Opens the help page of a window by its name.
  std::function<void(std::string_view)> showHelp;
  // Offers the tip of a window by its name.
  std::function<void(std::string_view)> offerTip;
  // The black backdrop: owner of every top-level window.
  QPointer<QWidget> backdrop;
};

WindowServices& Services();

}  // namespace lumena
