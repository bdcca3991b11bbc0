#include "images/sane_session.h"

#include "images/sane_scanner.h"

namespace lumena {
namespace {

// sane_init and sane_exit must pair up in the process.
std::mutex& SessionMutexSlot() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

void ThrowScanError(std::string_view action, std::string_view deviceName, SANE_Status status) {
  std::string message(action);
  if (!deviceName.empty()) message += " \"" + std::string(deviceName) + "\"";
  message += ": ";
  message += sane_strstatus(status);
  throw EScanError(message, std::string(deviceName));
}

SaneSession::SaneSession() : lock_(SessionMutexSlot()) {
  SANE_Int version = 0;
  const SANE_Status status = sane_init(&version, nullptr);
  if (status != SANE_STATUS_GOOD) ThrowScanError("Cannot start the scanner library", {}, status);
}

SaneSession::~SaneSession() { sane_exit(); }

SaneDevice::SaneDevice(const SaneSession& /*session*/, std::string_view name) : name_(name) {
  const SANE_Status status = sane_open(name_.c_str(), &handle_);
  if (status != SANE_STATUS_GOOD) ThrowScanError("Cannot open the scanner", name_, status);
  if (!handle_) ThrowScanError("Cannot open the scanner", name_, SANE_STATUS_INVAL);
}

SaneDevice::~SaneDevice() {
  sane_cancel(handle_);
  sane_close(handle_);
}

}  // namespace lumena
