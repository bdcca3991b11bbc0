#include "images/magick_setup.h"

#include <Magick++.h>

#include <array>
#include <cstdlib>
#include <mutex>
#include <string>

namespace lumena {

namespace {

// The last matching policy wins, and this one is read after the system's:
// everything is refused first, then the formats the program uses allowed.
constexpr const char* kSecurityPolicy =
    "<policymap>"
    "<policy domain=\"coder\" rights=\"none\" pattern=\"*\"/>"
    "<policy domain=\"coder\" rights=\"read|write\" pattern=\"{BMP,JPEG,PSD,TIFF,PCX,TGA,PNG,GIF}\"/>"
    "<policy domain=\"coder\" rights=\"read\" pattern=\"{EPS,WMF}\"/>"
    "<policy domain=\"path\" rights=\"none\" pattern=\"@*\"/>"
    "</policymap>";

// The delegates the PostScript reader may run, by colour mode.
constexpr std::array<const char*, 4> kPostScriptDelegates = {"ps:alpha", "ps:color", "ps:cmyk", "ps:mono"};

bool postScriptSafe = false;

bool DelegatesAreSafe() {
  if (std::getenv("GS_OPTIONS") != nullptr) return false;
  MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
  bool safe = true;
  for (const char* name : kPostScriptDelegates) {
    const MagickCore::DelegateInfo* info = MagickCore::GetDelegateInfo(name, nullptr, exception);
    const char* command = info ? MagickCore::GetDelegateCommands(info) : nullptr;
    // A missing delegate cannot run; one that is there must be safe.
    if (command != nullptr && !GhostscriptCommandIsSafe(command)) safe = false;
  }
  MagickCore::DestroyExceptionInfo(exception);
  return safe;
}

void Initialise() {
  Magick::InitializeMagick(nullptr);
  MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
  MagickCore::SetMagickSecurityPolicy(kSecurityPolicy, exception);
  MagickCore::DestroyExceptionInfo(exception);
  postScriptSafe = DelegatesAreSafe();
}

}  // namespace

bool GhostscriptCommandIsSafe(std::string_view command) {
  const bool unsafe = command.find("-dNOSAFER") != std::string_view::npos ||
                      command.find("-dDELAYSAFER") != std::string_view::npos ||
                      command.find("-dSAFER=false") != std::string_view::npos;
  return !unsafe && command.find("-dSAFER") != std::string_view::npos;
}

void EnsureImagingLibrary() {
  static std::once_flag once;
  std::call_once(once, Initialise);
}

bool PostScriptRunsSafely() {
  EnsureImagingLibrary();
  return postScriptSafe;
}

}  // namespace lumena
