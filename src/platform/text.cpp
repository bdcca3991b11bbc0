#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace lumena {

std::string_view trimView(std::string_view s) {
  auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string trim(std::string_view s) { return std::string(trimView(s)); }

std::string toUpper(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return r;
}

std::string toLower(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return r;
}

bool iequals(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

bool istartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

std::optional<int> parseInt(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  } else if (!s.empty() && (s.front() == 'x' || s.front() == 'X')) {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  long long value = 0;
  for (char c : s) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    // Hexadecimal texts may spell a negative 32-bit number ($FFFFFFFF).
    const long long limit = base == 16 ? 0xFFFFFFFFLL : static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    if (value > limit) return std::nullopt;
  }
  if (base == 16 && value > std::numeric_limits<int>::max()) value -= 0x100000000LL;
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return std::nullopt;
  return static_cast<int>(value);
}

std::vector<std::string> splitRecordFields(std::string_view line) {
  std::vector<std::string> fields;
  for (size_t pos = line.find(';'); pos != std::string_view::npos; pos = line.find(';')) {
    fields.push_back(trim(line.substr(0, pos)));
    line.remove_prefix(pos + 1);
  }
  return fields;
}

std::string recordFieldText(std::string_view text, bool keepSeparator) {
  std::string field(text);
  for (char& c : field)
    if (c == '\r' || c == '\n' || (c == ';' && !keepSeparator)) c = ',';
  return field;
}

std::vector<std::string> splitAt(std::string_view s, char separator) {
  std::vector<std::string> pieces;
  for (size_t pos = s.find(separator); pos != std::string_view::npos; pos = s.find(separator)) {
    pieces.emplace_back(s.substr(0, pos));
    s.remove_prefix(pos + 1);
  }
  pieces.emplace_back(s);
  return pieces;
}

std::string withTrailingBackslash(std::string_view folder) {
  std::string r(folder);
  if (r.empty() || r.back() != '\\') r += '\\';
  return r;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace lumena
