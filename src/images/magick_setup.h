#pragma once

namespace lumena {

// Initialises the imaging library once per process (safe from any thread):
// also allows it to read PostScript, which the system's policy forbids by
// default, for EPS portraits.
void EnsureImagingLibrary();

}  // namespace lumena
