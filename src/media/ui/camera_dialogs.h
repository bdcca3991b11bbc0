#pragma once
// The plain dialogs in which the user chooses the camera's input, format and
// picture settings.
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "media/video_capture.h"

class QWidget;

namespace lumena {

// One list to choose from per setting; the chosen value of each, or none
// when the dialog is cancelled.
std::optional<std::vector<int>> ChooseSettings(QWidget* parent, const QString& title,
                                               std::span<const CaptureSetting> settings);
// "640 × 480, YUYV, 30 fps".
std::string DescribeFormat(const CaptureFormat& format);

}  // namespace lumena
