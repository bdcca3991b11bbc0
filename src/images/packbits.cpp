#include "images/packbits.h"

#include <algorithm>
#include <cstring>

namespace lumena {

size_t DecodePackBitsRow(ByteCursor& in, std::span<uint8_t> row) {
  size_t produced = 0;
  while (produced < row.size()) {
    const auto code = in.U8();
    if (!code) break;
    const int c = static_cast<int8_t>(*code);
    if (c == -128) continue;  // no operation
    const size_t room = row.size() - produced;
    if (c >= 0) {
      const auto literal = in.Take(static_cast<size_t>(c) + 1);
      const size_t n = std::min(room, literal.size());
      std::memcpy(row.data() + produced, literal.data(), n);
      produced += n;
      if (literal.size() < static_cast<size_t>(c) + 1) break;
    } else {
      const auto value = in.U8();
      if (!value) break;
      const size_t n = std::min(room, static_cast<size_t>(1 - c));
      std::memset(row.data() + produced, *value, n);
      produced += n;
    }
  }
  return produced;
}

}  // namespace lumena
