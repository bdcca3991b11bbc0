#include "platform/interface_token.h"

#include <algorithm>

#include "platform/text.h"

namespace lumena {

namespace {
constexpr std::string_view kDelimiters = " ,=':;[]{}()<>/\\";
constexpr char kQuote = '\'';
}  // namespace

bool IsInterfaceDelimiter(char c) { return kDelimiters.find(c) != std::string_view::npos; }

InterfaceToken NextInterfaceToken(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsInterfaceDelimiter(text[start]) && text[start] != kQuote) ++start;
  if (start == text.size()) return {"", text.size(), text.size()};
  if (text[start] == kQuote) {
    const size_t first = start + 1;
    const size_t close = text.find(kQuote, first);
    if (close == std::string_view::npos) return {std::string(text.substr(first)), first, text.size()};
    return {std::string(text.substr(first, close - first)), first, close + 1};
  }
  size_t end = start;
  while (end < text.size() && !IsInterfaceDelimiter(text[end])) ++end;
  return {std::string(text.substr(start, end - start)), start, end};
}

std::string_view DeleteUsedAndTrim(std::string_view text, size_t used) {
  return TrimView(text.substr(std::min(used, text.size())));
}

std::vector<std::string> InterfaceTokenList(std::string_view text) {
  std::vector<std::string> tokens;
  for (std::string_view rest = TrimView(text); !rest.empty();) {
    InterfaceToken token = NextInterfaceToken(rest);
    // An empty quoted token ('') is still a token; only the end of text stops.
    if (token.used == 0) break;
    if (!token.text.empty()) tokens.push_back(std::move(token.text));
    rest = DeleteUsedAndTrim(rest, token.used);
  }
  return tokens;
}

}  // namespace lumena
