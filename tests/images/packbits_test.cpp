#include "images/packbits.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

struct RowCase {
  const char* name;
  std::vector<uint8_t> codes;
  size_t width;
  std::vector<uint8_t> expected;  // the values produced
  size_t consumed;                // code bytes used for this row
};

class PackBitsRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(PackBitsRowTest, DecodesOneRow) {
  const RowCase& c = GetParam();
  ByteCursor in(c.codes);
  std::vector<uint8_t> row(c.width, 0xEE);
  const size_t produced = DecodePackBitsRow(in, row);
  ASSERT_EQ(produced, c.expected.size());
  EXPECT_EQ(std::vector<uint8_t>(row.begin(), row.begin() + static_cast<long>(produced)), c.expected);
  EXPECT_EQ(in.Position(), c.consumed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PackBitsRowTest,
    testing::Values(RowCase{"literal", {2, 10, 20, 30}, 3, {10, 20, 30}, 4},
                    RowCase{"run", {0xFE, 7}, 3, {7, 7, 7}, 2},                               // -2: three copies
                    RowCase{"longest_run", {0x81, 9}, 128, std::vector<uint8_t>(128, 9), 2},  // -127
                    RowCase{"noop_is_skipped", {0x80, 0x80, 1, 5, 6}, 2, {5, 6}, 5},
                    RowCase{"run_overshoot_is_dropped", {0xFC, 4, 0, 9}, 3, {4, 4, 4}, 2},  // next row starts at 0, 9
                    RowCase{"literal_overshoot_is_dropped", {3, 1, 2, 3, 4, 0, 9}, 2, {1, 2}, 5},
                    RowCase{"mixed", {0, 1, 0xFF, 2, 1, 3, 4}, 5, {1, 2, 2, 3, 4}, 7},
                    RowCase{"row_stops_when_full", {0, 1, 0, 2}, 1, {1}, 2},
                    RowCase{"data_ends_in_literal", {4, 1, 2}, 5, {1, 2}, 3},
                    RowCase{"data_ends_before_run_value", {0, 1, 0xFE}, 5, {1}, 3}, RowCase{"no_data", {}, 4, {}, 0},
                    RowCase{"only_noops", {0x80, 0x80}, 4, {}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackBitsTest, ConsecutiveRowsStartWithAFreshCode) {
  // Row 1 overshoots by two values; row 2 must begin at the literal code.
  const std::vector<uint8_t> codes = {0xFB, 8, 1, 5, 6};
  ByteCursor in(codes);
  std::vector<uint8_t> first(4), second(2);
  EXPECT_EQ(DecodePackBitsRow(in, first), 4u);
  EXPECT_EQ(DecodePackBitsRow(in, second), 2u);
  EXPECT_EQ(first, (std::vector<uint8_t>{8, 8, 8, 8}));
  EXPECT_EQ(second, (std::vector<uint8_t>{5, 6}));
}

}  // namespace
}  // namespace lumena
