#pragma once
// The region editor: the layer's picture at full size, where colour-range
// clicks, grid rectangles and a lasso edit a copy of the current region;
// OK writes the region back to the layer, Cancel forgets the copy.
#include <QCursor>
#include <functional>

#include "editing/region_edit.h"
#include "interface/ui/skinned_form.h"

class QLabel;

namespace lumena {

class EditingSession;
class TGraphicButton;
class TGraphicSlider;
class TLayer;

class TFormLayerRegionEdit : public TSkinnedForm {
  Q_OBJECT

 public:
  TFormLayerRegionEdit(EditingSession& session, const TGraphicButton& mainExit,
                       std::function<QCursor(int number)> cursors);

  // Takes a copy of the layer's picture and current region, and shows the
  // window; nothing when no region is current.
  void LoadMask(const TLayer& layer);
  // Closes as Cancel when the layer has left the desk or changed size.
  void CheckLayer();
  const RegionEdit& Edit() const { return edit_; }
  // The picture point shown at a point of ImageLayer.
  Point PicturePoint(QPoint p) const { return {p.x() + scroll_.x, p.y() + scroll_.y}; }

  void ButtonOKClick();
  void ButtonCancelClick();

  // Told after OK wrote the region back.
  std::function<void()> onEdited;

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceImage();
  void FitScrollSlider(TGraphicSlider& slider, int pictureSide, int boxSide);
  void Redraw();
  void ToleranceChanged();
  void GridSliderMoved();
  void SetGridOn(bool on);
  void ToggleLasso();
  void ToggleRestriction();
  void Clear();
  void MousePress(QMouseEvent* event);
  void MouseMove(QMouseEvent* event);
  void MouseRelease();
  void DrawLassoLine(Point from, Point to);

  EditingSession& session_;
  std::function<QCursor(int number)> cursors_;
  RegionEdit edit_;
  Picture shown_;
  Point scroll_;
  Point lastLassoPoint_;
  bool lassoMode_ = false;
  bool ok_ = false;
  TPictureControl* image_;
  TGraphicSlider* hPos_;
  TGraphicSlider* vPos_;
  TGraphicSlider* tolerance_;
  TGraphicSlider* gridCols_;
  TGraphicSlider* gridRows_;
  QLabel* toleranceText_;
  QLabel* gridColsText_;
  QLabel* gridRowsText_;
  TGraphicButton* lasso_;
  TGraphicButton* grid_;
  TGraphicButton* restrict_;
};

}  // namespace lumena
