#pragma once
// PackBits run-length rows as the ".psd" picture data stores them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "images/byte_cursor.h"

namespace lumena {

// Decodes one row into `row`, reading codes until the row is full. Values a
// run produces beyond the row's end are dropped, so the next row starts with
// a fresh code. Returns how many values were produced: fewer than the row's
// size only when the data ended.
size_t DecodePackBitsRow(ByteCursor& in, std::span<uint8_t> row);

}  // namespace lumena
