#include "platform/ui/qt_text.h"

namespace lumena {

QString ToQString(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToQStringWithLineBreaks(std::string_view text) {
  QString s = ToQString(text);
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

}  // namespace lumena
