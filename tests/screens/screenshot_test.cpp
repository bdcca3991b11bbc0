// Shows every skinned window on a real X server (Xvfb), saves a screenshot
// of each into the build folder and checks the window shapes there, since a
// widget's own grab ignores its mask.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "interface/interface_context.h"
#include "interface/ui/form_message.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/window_services.h"
#include "platform/ui/message_boxes.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_screen.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

const fs::path kShots = fs::path(LUMENA_BINARY_DIR) / "screenshots";

class ScreenshotTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InterfaceContext& ui = CurrentInterface();
    ui.AppFolder = LUMENA_PROGRAM_FOLDER;
    ui.ResolutionLevel = 2;
    ui.Termins = {{"ProductName", "Lumena"},
                  {"FormMessageCaption", "Lumena"},
                  {"ConfirmExit", "Do you really want to leave Lumena?"}};
    SetBoxHandler([](BoxKind, const std::string& text) {
      ADD_FAILURE() << text;
      return 6;
    });
    fs::create_directories(kShots);
  }

  ScreenshotTest() {
    Services().backdrop = &screen_;
    screen_.setGeometry(QGuiApplication::primaryScreen()->geometry());
    screen_.show();
    main_ = std::make_unique<TFormMain>(&screen_);
    main_->show();
  }

  // The screen as the X server shows it, saved under `name`.
  QImage Shoot(const char* name) {
    for (int i = 0; i < 20; ++i) {
      QApplication::processEvents();
      QTest::qWait(25);
    }
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    shot.save(QString::fromStdString((kShots / name).string()));
    return shot;
  }

  TFormScreen screen_;
  std::unique_ptr<TFormMain> main_;
};

bool IsKeyGreen(QRgb p) { return qRed(p) == 0 && qGreen(p) == 255 && qBlue(p) == 0; }

TEST_F(ScreenshotTest, MainWindowIsShapedOnTheBackdrop) {
  const QImage shot = Shoot("main-window.png");
  const QPoint corner = main_->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(QColor(shot.pixel(corner)), QColor(Qt::black)) << "the rounded corner shows the backdrop";
  EXPECT_FALSE(IsKeyGreen(shot.pixel(corner + QPoint(2, 2))));
  const QRgb body = shot.pixel(main_->mapToGlobal(QPoint(500, 400)));
  EXPECT_NE(QColor(body), QColor(Qt::black)) << "the skin is drawn";
  const QRgb close = shot.pixel(main_->ButtonExit->mapToGlobal(QPoint(9, 10)));
  EXPECT_NE(QColor(close), QColor(shot.pixel(main_->mapToGlobal(QPoint(900, 10))))) << "the close button is drawn";
}

TEST_F(ScreenshotTest, MessageWindowIsShapedAndShowsItsButtons) {
  TFormMessage message(*main_->ButtonExit, main_->ImageMainFormButtons);
  message.LabelMessage->setText("Do you really want to leave Lumena?");
  message.show();
  const QImage shot = Shoot("message-window.png");
  const QPoint corner = message.mapToGlobal(QPoint(0, 0));
  EXPECT_FALSE(IsKeyGreen(shot.pixel(corner)));
  EXPECT_NE(QColor(shot.pixel(corner)), QColor(shot.pixel(corner + QPoint(20, 30))))
      << "the corner shows what lies beneath, not the window";
  const QRgb yes = shot.pixel(message.ButtonYes->mapToGlobal(QPoint(14, 15)));
  EXPECT_NE(QColor(yes), QColor(shot.pixel(message.mapToGlobal(QPoint(20, 120)))));
  message.close();
}

}  // namespace
}  // namespace lumena
