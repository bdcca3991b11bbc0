#pragma once
// The ";"-separated records of the data files: each field runs up to the next
// ";". A field that is not followed by a ";" reads as empty and nothing is
// cut, so the rest of the line stays for the caller (template tags).
#include <string_view>

namespace lumena {

class RecordFieldCursor {
 public:
  explicit RecordFieldCursor(std::string_view text) : rest_(text) {}
  // The text up to the next ";" (not trimmed), and the cursor moves past it.
  std::string_view Next() {
    const size_t end = rest_.find(';');
    if (end == std::string_view::npos) return {};
    const std::string_view field = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    return field;
  }
  bool HasSeparator() const { return rest_.find(';') != std::string_view::npos; }
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace lumena
