#include "platform/ui/qt_text.h"

#include "platform/text.h"

namespace lumena {

QString ToQString(std::string_view text) {
  const std::string utf8 = AnsiTextToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString ToQStringWithLineBreaks(std::string_view text) {
  QString s = ToQString(text);
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

}  // namespace lumena
