#pragma once
// Texts of the data files (8-bit, "\r" breaking lines) as Qt strings.
#include <QString>
#include <string_view>

namespace lumena {

QString ToQString(std::string_view text);
// The same with every "\r" (and "\r\n") turned into a line break.
QString ToQStringWithLineBreaks(std::string_view text);

}  // namespace lumena
