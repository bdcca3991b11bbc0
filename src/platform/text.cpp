#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/record_fields.h"

namespace lumena {

std::string_view TrimView(std::string_view s) {
  auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string ToUpper(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return r;
}

std::string ToLower(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return r;
}

bool Iequals(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

bool IstartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && Iequals(s.substr(0, prefix.size()), prefix);
}

std::optional<int> ParseInt(std::string_view s) {
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
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
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

std::vector<std::string> SplitRecordFields(std::string_view line) {
  RecordFieldCursor cursor(line);
  std::vector<std::string> fields;
  while (cursor.HasSeparator()) fields.push_back(Trim(cursor.Next()));
  return fields;
}

std::string RecordFieldText(std::string_view text, bool keepSeparator) {
  std::string field(text);
  for (char& c : field)
    if (c == '\r' || c == '\n' || (c == ';' && !keepSeparator)) c = ',';
  return field;
}

std::vector<std::string> SplitAt(std::string_view s, char separator) {
  std::vector<std::string> pieces;
  for (size_t pos = s.find(separator); pos != std::string_view::npos; pos = s.find(separator)) {
    pieces.emplace_back(s.substr(0, pos));
    s.remove_prefix(pos + 1);
  }
  pieces.emplace_back(s);
  return pieces;
}

std::string WithTrailingBackslash(std::string_view folder) {
  std::string r(folder);
  if (r.empty() || r.back() != '\\') r += '\\';
  return r;
}

std::vector<std::string> SplitLines(std::string_view text) {
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

namespace {

// Windows-1252 at 0x80..0x9F; the five holes stay as they are in Latin-1.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char16_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    uint32_t code = 0;
    if (lead < 0x80)
      length = 1, code = lead;
    else if (lead >= 0xC2 && lead <= 0xDF)
      length = 2, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
      length = 3, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
      length = 4, code = lead & 0x07;
    else
      return false;
    if (i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

std::string AnsiTextToUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte});
  }
  return out;
}

}  // namespace lumena
