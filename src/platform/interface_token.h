#pragma once
// The tokenizer of the interface description, shared by the other text-file
// parsers (template base, queries): tokens are separated by the delimiters
// " ,=':;[]{}()<>/\" and an apostrophe quotes a token.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

struct InterfaceToken {
  std::string text;     // the token, quotes removed; empty when none is left
  size_t position = 0;  // index of its first character in the given text
  size_t used = 0;      // characters from the start up to the token's last one
};

bool IsInterfaceDelimiter(char c);

InterfaceToken NextInterfaceToken(std::string_view text);

// What is left of `text` once `used` characters are deleted from its front,
// trimmed.
std::string_view DeleteUsedAndTrim(std::string_view text, size_t used);

// Every token of a text, in order.
std::vector<std::string> InterfaceTokenList(std::string_view text);

}  // namespace lumena
