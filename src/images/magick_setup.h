#pragma once
#include <string_view>

namespace lumena {

// Initialises the imaging library once per process (safe from any thread)
// and sets its security policy: only the open dialog's formats are read
// (BMP, JPEG, PSD, GIF, TIFF, PCX, TGA, PNG, EPS, WMF), only the export
// formats written; every other coder (SVG, MVG, MSL, URL, ephemeral files
// and the like) is refused. The system's policy forbids PostScript; this
// one allows reading it, for EPS portraits the user picks.
void EnsureImagingLibrary();

// Whether every PostScript rendering runs Ghostscript in safe mode: each of
// the library's PostScript delegate commands passes -dSAFER and none undoes
// it, and no GS_OPTIONS could add options. PostScript is refused otherwise.
bool PostScriptRunsSafely();

// The check of PostScriptRunsSafely on one delegate command.
bool GhostscriptCommandIsSafe(std::string_view command);

}  // namespace lumena
