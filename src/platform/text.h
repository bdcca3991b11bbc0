#pragma once
// Small text helpers shared by every parser: the data files are 8-bit text
// whose names and keys compare without regard to case.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

// Removes leading and trailing blanks and control characters (any byte <= ' ').
std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);

std::string ToUpper(std::string_view s);
std::string ToLower(std::string_view s);
bool Iequals(std::string_view a, std::string_view b);
bool IstartsWith(std::string_view s, std::string_view prefix);

// Integer conversion of the data files: optional leading blanks, an optional
// sign, decimal digits, or hexadecimal digits after "$", "x" or "0x"; the
// whole text must convert and fit 32 bits.
std::optional<int> ParseInt(std::string_view s);

// Splits a line into the fields of a record: field n is the text between the
// (n-1)-th and the n-th ";", trimmed. Text after the last ";" is not a field.
std::vector<std::string> SplitRecordFields(std::string_view line);

// A text written as a field of a ";"-separated record line: a ";" inside it
// would shift every later field and a line end would cut the record, so each
// becomes ",". With `keepSeparator` only line ends are replaced (for a last
// field that may hold ";" itself).
std::string RecordFieldText(std::string_view text, bool keepSeparator = false);

// Splits a text at every occurrence of one character; all pieces are kept.
std::vector<std::string> SplitAt(std::string_view s, char separator);

// Ensures a folder value ends with a backslash, as stored folder values do.
std::string WithTrailingBackslash(std::string_view folder);

// The data files' 8-bit text as UTF-8: text that is valid UTF-8 already is
// kept, any other is read as Windows-1252.
std::string AnsiTextToUtf8(std::string_view text);
bool IsValidUtf8(std::string_view text);

// Splits a text into lines at LF, CR LF or a lone CR.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace lumena
