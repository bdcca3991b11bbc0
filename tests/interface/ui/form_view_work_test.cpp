#include "interface/ui/form_view_work.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace lumena {
namespace {

Picture Striped(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.At(x, y) = {static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), 40, 255};
  return picture;
}

TEST(FormViewWork, ShowsThePictureAtItsSizeUntilEscapeAndThenDropsIt) {
  TFormViewWork window;
  EXPECT_EQ(window.size(), QSize(399, 303));
  const Picture picture = Striped(31, 17);
  bool checked = false;
  QTimer::singleShot(0, qApp, [&] {
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(window.size(), QSize(31, 17));
    EXPECT_EQ(window.ImageChecking->geometry(), QRect(0, 0, 31, 17));
    const QImage shown = window.ImageChecking->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(31, 17));
    EXPECT_EQ(QColor(shown.pixel(4, 3)), QColor(40, 15, 28)) << "pixels are stored blue first";
    checked = true;
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  window.ShowPicture(picture);
  EXPECT_TRUE(checked);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.ImageChecking->pixmap().isNull()) << "the picture is not kept after closing";
}

}  // namespace
}  // namespace lumena
