#pragma once
// The few device options a scan sets: the scan mode and the resolution.
#include <sane/sane.h>

#include <span>
#include <string_view>

#include "images/sane_session.h"

namespace lumena {

// Sets the option "mode" to `value` when the device offers that value;
// otherwise leaves the device's own. Throws EScanError when the device
// refuses it.
void SetScanModeIfOffered(const SaneDevice& device, std::string_view value);

// Sets the option "resolution" to the allowed value nearest `dpi` when the
// device has it. Throws EScanError when the device refuses it.
void SetResolutionIfOffered(const SaneDevice& device, int dpi);

// The allowed value nearest `value` under a descriptor's constraint.
SANE_Word NearestAllowed(const SANE_Option_Descriptor& option, SANE_Word value);

}  // namespace lumena
