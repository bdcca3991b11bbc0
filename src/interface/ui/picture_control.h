#pragma once
// A picture holder (usually hidden) whose picture graphic buttons cut their
// cells from, for example a window's "ImageButtons". Every change of its
// picture is reported to the resources that use it.
#include <QWidget>

#include "images/picture.h"

namespace lumena {

class TPictureControl : public QWidget {
  Q_OBJECT

 public:
  explicit TPictureControl(QWidget* parent = nullptr, const QString& name = {});
  ~TPictureControl() override;

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  void ClearPicture();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

class TGraphicResource;

// Keeps every resource and tells those of a picture control to redraw when
// its picture changes.
class TPictureChangeNotifier {
 public:
  static TPictureChangeNotifier& Instance();
  void Add(TGraphicResource* resource);
  void Remove(TGraphicResource* resource);
  void PictureChanged(const TPictureControl* control);
  // The control is going away: its resources lose their picture.
  void ControlDestroyed(const TPictureControl* control);

 private:
  std::vector<TGraphicResource*> resources_;
};

}  // namespace lumena
