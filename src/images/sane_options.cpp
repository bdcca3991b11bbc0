#include "images/sane_options.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace lumena {
namespace {

// More options than any real device has; a larger count is not believed.
constexpr SANE_Word kMaxOptions = 4096;
// The resolution asked for is clamped to this before it becomes a SANE value.
constexpr int kMaxDpi = 20000;

struct FoundOption {
  SANE_Int index = 0;
  const SANE_Option_Descriptor* descriptor = nullptr;
};

// The device's active, settable option of this name.
std::optional<FoundOption> FindSettable(SANE_Handle handle, std::string_view name) {
  SANE_Word count = 0;
  if (sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD) return std::nullopt;
  count = std::clamp(count, 0, kMaxOptions);
  for (SANE_Int index = 1; index < count; ++index) {
    const SANE_Option_Descriptor* d = sane_get_option_descriptor(handle, index);
    if (d && d->name && name == d->name && SANE_OPTION_IS_ACTIVE(d->cap) && SANE_OPTION_IS_SETTABLE(d->cap))
      return FoundOption{index, d};
  }
  return std::nullopt;
}

bool Offers(const SANE_Option_Descriptor& option, std::string_view value) {
  if (option.type != SANE_TYPE_STRING || option.constraint_type != SANE_CONSTRAINT_STRING_LIST) return false;
  for (const SANE_String_Const* s = option.constraint.string_list; s && *s; ++s) {
    if (value == *s) return true;
  }
  return false;
}

void SetValue(const SaneDevice& device, const FoundOption& option, void* value, std::string_view action) {
  SANE_Int info = 0;
  const SANE_Status status = sane_control_option(device.Handle(), option.index, SANE_ACTION_SET_VALUE, value, &info);
  if (status != SANE_STATUS_GOOD) ThrowScanError(action, device.Name(), status);
}

SANE_Word NearestInRange(const SANE_Range& range, SANE_Word value) {
  if (range.min > range.max) return value;
  const int64_t clamped = std::clamp(value, range.min, range.max);
  if (range.quant <= 0) return static_cast<SANE_Word>(clamped);
  const int64_t steps = (clamped - range.min + range.quant / 2) / range.quant;
  const int64_t stepped = range.min + steps * range.quant;
  return static_cast<SANE_Word>(stepped > range.max ? stepped - range.quant : stepped);
}

// A word list holds its length first.
SANE_Word NearestInList(const SANE_Word* list, SANE_Word value) {
  const SANE_Word count = std::clamp(list[0], 0, kMaxOptions);
  if (count == 0) return value;
  const auto distance = [value](SANE_Word w) { return std::llabs(int64_t{w} - value); };
  return *std::min_element(list + 1, list + 1 + count,
                           [&](SANE_Word a, SANE_Word b) { return distance(a) < distance(b); });
}

}  // namespace

SANE_Word NearestAllowed(const SANE_Option_Descriptor& option, SANE_Word value) {
  if (option.constraint_type == SANE_CONSTRAINT_RANGE && option.constraint.range)
    return NearestInRange(*option.constraint.range, value);
  if (option.constraint_type == SANE_CONSTRAINT_WORD_LIST && option.constraint.word_list)
    return NearestInList(option.constraint.word_list, value);
  return value;
}

void SetScanModeIfOffered(const SaneDevice& device, std::string_view value) {
  const auto option = FindSettable(device.Handle(), SANE_NAME_SCAN_MODE);
  if (!option || !Offers(*option->descriptor, value)) return;
  // The device reads as many bytes as the option's size.
  std::string buffer(std::max(static_cast<size_t>(std::max(option->descriptor->size, 0)), value.size() + 1), '\0');
  value.copy(buffer.data(), value.size());
  SetValue(device, *option, buffer.data(), "Cannot set the scan mode of the scanner");
}

void SetResolutionIfOffered(const SaneDevice& device, int dpi) {
  const auto option = FindSettable(device.Handle(), SANE_NAME_SCAN_RESOLUTION);
  if (!option) return;
  const SANE_Option_Descriptor& d = *option->descriptor;
  if ((d.type != SANE_TYPE_INT && d.type != SANE_TYPE_FIXED) || d.size != sizeof(SANE_Word)) return;
  dpi = std::clamp(dpi, 1, kMaxDpi);
  SANE_Word value = NearestAllowed(d, d.type == SANE_TYPE_FIXED ? SANE_FIX(dpi) : dpi);
  SetValue(device, *option, &value, "Cannot set the resolution of the scanner");
}

}  // namespace lumena
