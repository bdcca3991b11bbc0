#pragma once
// The scanner as a picture source: the user picks a device, then one picture
// is scanned while a progress window offers to cancel.
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "images/picture.h"

namespace lumena {

// The device the user picks from the scanners SANE offers; nothing when
// there is none (the user is told), listing fails (its message is shown) or
// the user cancels.
std::optional<std::string> ChooseScanner(QWidget* parent);

// Scans one picture from `device` on a worker thread while a modal progress
// window is shown. Nothing when the user cancels or the scan fails (its
// message is shown). The worker has ended when this returns.
std::optional<Picture> ScanWithProgress(QWidget* parent, std::string_view device);

}  // namespace lumena
