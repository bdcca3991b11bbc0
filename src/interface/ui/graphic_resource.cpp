#include "interface/ui/graphic_resource.h"

#include "interface/ui/picture_control.h"

namespace lumena {

TGraphicResource::TGraphicResource(std::function<void()> onChange) : onChange_(std::move(onChange)) {
  TPictureChangeNotifier::Instance().Add(this);
}

TGraphicResource::~TGraphicResource() { TPictureChangeNotifier::Instance().Remove(this); }

void TGraphicResource::AssignFrom(const TGraphicResource& other) {
  image_ = other.image_;
  Left = other.Left;
  Top = other.Top;
  Width = other.Width;
  Height = other.Height;
  Rows = other.Rows;
  Cols = other.Cols;
  Index = other.Index;
  AutoNormal = other.AutoNormal;
  AutoPressed = other.AutoPressed;
  AutoEnter = other.AutoEnter;
  AutoLeave = other.AutoLeave;
  AutoDisabled = other.AutoDisabled;
  Color = other.Color;
  Changed();
}

const Picture* TGraphicResource::GetPicture() const {
  return image_ && !image_->GetPicture().Empty() ? &image_->GetPicture() : nullptr;
}

void TGraphicResource::SetCells(int32_t left, int32_t top, int32_t width, int32_t height, int32_t rows, int32_t cols) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
  Rows = rows;
  Cols = cols;
  Changed();
}

}  // namespace lumena
