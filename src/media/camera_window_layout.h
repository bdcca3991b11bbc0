#pragma once
// The camera window's layout: the live preview under the caption, and the
// driver's source, format and display buttons and the snapshot under it.
#include "interface/window_layout.h"

namespace lumena {

inline constexpr PictureSheet kCameraSheet{"FormCameraButtons", "ButCamer.psd"};
inline constexpr int kCameraWidth = 338, kCameraHeight = 246, kCameraCaption = 20;
// The preview's place when the interface names none, and its size.
inline constexpr ControlPlace kCameraPreview{88, 59, 160, 120};
inline constexpr int kCameraButtonSide = 40, kCameraButtonsTop = 193, kCameraButtonGap = 12;

// The buttons in a row centred under the preview, each a row of the sheet.
constexpr ControlLayout CameraButton(std::string_view name, ButtonIcon icon, int index, std::string_view hintKey) {
  constexpr int kRowLeft = (kCameraWidth - 4 * kCameraButtonSide - 3 * kCameraButtonGap) / 2;
  return SheetButton(name, icon, kCameraSheet,
                     {kRowLeft + index * (kCameraButtonSide + kCameraButtonGap), kCameraButtonsTop, kCameraButtonSide,
                      kCameraButtonSide},
                     index * kCameraButtonSide, hintKey);
}

inline constexpr ControlLayout kCameraWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kCameraWidth, kCameraCaption},
    CaptionButton("ButtonExit", ButtonIcon::Close, 319, "ButtonCloseHint"),
    {"CaptureWindow", ControlKind::Picture, kCameraPreview.left, kCameraPreview.top, kCameraPreview.width,
     kCameraPreview.height},
    CameraButton("ButtonVideoSource", ButtonIcon::VideoSource, 0, "FormCameraButtonVideoSourceHint"),
    CameraButton("ButtonVideoFormat", ButtonIcon::VideoFormat, 1, "FormCameraButtonVideoFormatHint"),
    CameraButton("ButtonVideoDisplay", ButtonIcon::VideoDisplay, 2, "FormCameraButtonVideoDisplayHint"),
    CameraButton("ButtonSnapshot", ButtonIcon::Snapshot, 3, "FormCameraButtonSnapshotHint"),
};

inline constexpr WindowLayout kCameraWindowLayout{"FormCamera",  "FormCamr.psd", kCameraWidth,
                                                  kCameraHeight, kCameraCaption, kCameraWindowControls};

}  // namespace lumena
