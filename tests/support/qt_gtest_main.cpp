// Window tests need one QApplication for the whole program. Offscreen runs
// get a 1280 x 1024 screen, large enough for every window.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LUMENA_SOURCE_DIR "/tests/data/offscreen-screen.json");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
