#pragma once
// Scanners through SANE: the devices it offers, and one scan of a device as
// an opaque picture. Each call initialises SANE for its own length and leaves
// it closed; calls from different threads wait for each other.
#include <atomic>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "images/picture.h"

namespace lumena {

// A scanner failed, or SANE could not be started. The message is for the
// user: what failed, the device's name and SANE's own text.
class EScanError : public std::runtime_error {
 public:
  EScanError(const std::string& message, std::string deviceName)
      : std::runtime_error(message), deviceName_(std::move(deviceName)) {}
  // Empty when no device was involved.
  const std::string& DeviceName() const { return deviceName_; }

 private:
  std::string deviceName_;
};

struct ScannerDevice {
  std::string name;  // what ScanPicture takes: "test:0", "genesys:libusb:001:004"
  std::string vendor;
  std::string model;
  std::string type;   // "flatbed scanner", "virtual device"
  std::string label;  // "vendor model", for the source choice
};

// Throws EScanError when SANE cannot be started or asked.
std::vector<ScannerDevice> ListScanners();

enum class ScanMode { Color, Gray, Lineart };

struct ScanRequest {
  // Set when the device offers it; otherwise the device's own mode stays.
  ScanMode mode = ScanMode::Color;
  // Dots per inch, moved to the nearest the device allows; nothing keeps the
  // device's own.
  std::optional<int> resolution;
};

// Told the share of the scan read so far, 0 to 100, each time it grows; or
// kScanProgressUnknown while the device does not know how much it will send.
inline constexpr int kScanProgressUnknown = -1;
using ScanProgress = std::function<void(int percent)>;

// Scans one picture from the device `deviceName`: every frame to its end,
// rows a device leaves out cut off, data past what it announced dropped.
// `cancel` is read between reads (the progress callback may set it): the
// scan then stops and the answer is nothing. Throws EScanError when the
// device cannot be opened, set or read, or sends parameters or data that
// make no picture. Not to be called from the progress callback.
std::optional<Picture> ScanPicture(std::string_view deviceName, const ScanRequest& request,
                                   const ScanProgress& progress, const std::atomic<bool>& cancel);

}  // namespace lumena
