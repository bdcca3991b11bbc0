#include "images/magick_setup.h"

#include <mutex>

#include <Magick++.h>

namespace lumena {

namespace {

constexpr const char* kPostScriptPolicy =
    "<policymap><policy domain=\"coder\" rights=\"read\" pattern=\"{PS,EPS,EPSF,EPSI}\"/></policymap>";

void initialise() {
  Magick::InitializeMagick(nullptr);
  MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
  MagickCore::SetMagickSecurityPolicy(kPostScriptPolicy, exception);
  MagickCore::DestroyExceptionInfo(exception);
}

}  // namespace

void EnsureImagingLibrary() {
  static std::once_flag once;
  std::call_once(once, initialise);
}

}  // namespace lumena
