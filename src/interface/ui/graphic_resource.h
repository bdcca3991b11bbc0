#pragma once
// Where a graphic button's pictures are: a grid of cells in a shared
// picture control.
#include <algorithm>
#include <cstdint>
#include <functional>

#include "interface/button_drawing.h"

namespace lumena {

class TPictureControl;
class Picture;

class TGraphicResource {
 public:
  // `onChange` redraws the owning button.
  explicit TGraphicResource(std::function<void()> onChange);
  ~TGraphicResource();
  TGraphicResource(const TGraphicResource&) = delete;
  TGraphicResource& operator=(const TGraphicResource&) = delete;

  // Copies every property but the owner.
  void AssignFrom(const TGraphicResource& other);

  TPictureControl* Image() const { return image_; }
  void SetImage(TPictureControl* image) { Set(image_, image); }
  // The picture, or nothing when there is no control or it is empty.
  const Picture* GetPicture() const;

  int32_t Left = 0, Top = 0, Width = 0, Height = 0, Rows = 1, Cols = 2, Index = 0;
  int32_t AutoNormal = 0, AutoPressed = 1, AutoEnter = -1, AutoLeave = -1;
  // Not part of the stored layout: the cell a disabled button shows (-1 none).
  int32_t AutoDisabled = -1;
  uint32_t Color = kNoRecolour;

  void SetIndex(int32_t index) { Set(Index, index); }
  void SetColor(uint32_t colour) { Set(Color, colour); }
  // Sets the grid at once and redraws.
  void SetCells(int32_t left, int32_t top, int32_t width, int32_t height, int32_t rows, int32_t cols);

  // The cell's corner in the picture for the current index.
  int32_t CellLeft(int buttonWidth) const { return Left + (Index % std::max(Cols, 1)) * CellWidth(buttonWidth); }
  int32_t CellTop(int buttonHeight) const { return Top + (Index / std::max(Cols, 1)) * CellHeight(buttonHeight); }
  int32_t CellWidth(int buttonWidth) const { return Width != 0 ? Width : buttonWidth; }
  int32_t CellHeight(int buttonHeight) const { return Height != 0 ? Height : buttonHeight; }

  // Tells the owner to redraw.
  void Changed() const {
    if (onChange_) onChange_();
  }

 private:
  template <typename T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  std::function<void()> onChange_;
  TPictureControl* image_ = nullptr;
};

}  // namespace lumena
