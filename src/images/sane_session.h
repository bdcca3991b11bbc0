#pragma once
// SANE's library and its devices as owned objects: the library is
// initialised while a session lives, a device open while its handle lives.
#include <sane/sane.h>

#include <mutex>
#include <string>
#include <string_view>

namespace lumena {

// "<action> "<device>": <SANE's text for status>", as an EScanError.
[[noreturn]] void ThrowScanError(std::string_view action, std::string_view deviceName, SANE_Status status);

// sane_init for its lifetime, sane_exit after; one session at a time in the
// process.
class SaneSession {
 public:
  SaneSession();
  ~SaneSession();
  SaneSession(const SaneSession&) = delete;
  SaneSession& operator=(const SaneSession&) = delete;

 private:
  std::unique_lock<std::mutex> lock_;
};

// An open device of a session, cancelled and closed when it goes.
class SaneDevice {
 public:
  SaneDevice(const SaneSession& session, std::string_view name);
  ~SaneDevice();
  SaneDevice(const SaneDevice&) = delete;
  SaneDevice& operator=(const SaneDevice&) = delete;

  SANE_Handle Handle() const { return handle_; }
  const std::string& Name() const { return name_; }
  // Ends a scan, whether it was read to the end or not.
  void Cancel() { sane_cancel(handle_); }

 private:
  std::string name_;
  SANE_Handle handle_ = nullptr;
};

}  // namespace lumena
