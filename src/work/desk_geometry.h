#pragma once
// The work desk's geometry: the table (the whole work area), the desk window
// on the backdrop, the scale and the part of the table shown.

namespace lumena {

inline constexpr int kMaxDeskTableSide = 1024;

struct DeskGeometry {
  int tableWidth = 890;    // DesktopTableWidth
  int tableHeight = 984;   // DesktopTableHeight
  int windowX = 97;        // DesktopWindowX
  int windowY = 62;        // DesktopWindowY
  int windowWidth = 445;   // DesktopWindowWidth
  int windowHeight = 492;  // DesktopWindowHeight
  double scale = 1.0;      // DeskScale: table pixels per window pixel
  int viewLeft = 0, viewTop = 0, viewWidth = 0, viewHeight = 0;

  bool TableTooLarge() const { return tableWidth > kMaxDeskTableSide || tableHeight > kMaxDeskTableSide; }
  // The shown part at the current scale, centred on the table (all Trunc).
  void CentreView();
  // The scale slider's maximum: the smaller of the two table/window ratios
  // in percent, rounded half to even.
  int ScaleSliderMaximum() const;
};

}  // namespace lumena
