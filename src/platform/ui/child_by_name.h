#pragma once
// Controls are found by the names the layout tables give them.
#include <QObject>
#include <string_view>

#include "platform/ui/qt_text.h"

namespace lumena {

template <class T>
T* ChildByName(const QObject& parent, std::string_view name) {
  return parent.findChild<T*>(ToQString(name));
}

}  // namespace lumena
