#include "interface/ui/skinned_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "interface/interface_context.h"
#include "interface/message_window_layout.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/form_message.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/message_boxes.h"

namespace lumena {
namespace {

// Runs `action` once the event loop of a modal run is going.
void WhileRunning(std::function<void()> action) { QTimer::singleShot(0, qApp, std::move(action)); }

class SkinnedFormTest : public ::testing::Test {
 protected:
  SkinnedFormTest() {
    for (QWidget* w : {&a_, &b_, &off_, &help_}) w->show();
    off_.setEnabled(false);
    help_.setObjectName("FormHelp");
  }
  QWidget a_, b_, off_, help_;
};

TEST_F(SkinnedFormTest, RunModalReEnablesExactlyWhatItDisabled) {
  TSkinnedForm modal("FormSetup");
  bool checked = false;
  WhileRunning([&] {
    EXPECT_FALSE(a_.isEnabled());
    EXPECT_FALSE(b_.isEnabled());
    EXPECT_TRUE(help_.isEnabled()) << "help stays usable";
    EXPECT_EQ(modal.DisabledWindows().size(), 2u);
    checked = true;
    modal.SetModalResult(1);
  });
  EXPECT_EQ(modal.RunModal(), 1);
  EXPECT_TRUE(checked);
  EXPECT_FALSE(modal.isVisible());
  EXPECT_TRUE(a_.isEnabled());
  EXPECT_TRUE(b_.isEnabled());
  EXPECT_FALSE(off_.isEnabled()) << "a window that was disabled before stays disabled";
}

TEST_F(SkinnedFormTest, NestedRunsKeepTheOuterRunsWindowsDisabled) {
  TSkinnedForm outer("FormLoadSave"), inner("FormPassword");
  WhileRunning([&] {
    WhileRunning([&] {
      EXPECT_FALSE(outer.isEnabled());
      inner.close();
    });
    inner.RunModal();
    EXPECT_TRUE(outer.isEnabled());
    EXPECT_FALSE(a_.isEnabled()) << "still disabled by the outer run";
    EXPECT_FALSE(b_.isEnabled());
    outer.close();
  });
  outer.RunModal();
  EXPECT_TRUE(a_.isEnabled());
  EXPECT_TRUE(b_.isEnabled());
}

// Every window lives on the backdrop, and Qt disables a disabled widget's
// child windows too: the backdrop must stay enabled for the message window.
TEST(ModalRunOnTheBackdrop, DisablesTheMainWindowButNotTheBackdropOrTheMessageWindow) {
  QWidget backdrop;
  TSkinnedForm main("FormMain", &backdrop, TSkinnedForm::Kind::Embedded);
  TSkinnedForm message("FormMessage", &backdrop), modal("FormLoadSave", &backdrop);
  backdrop.show();
  main.show();
  WhileRunning([&] {
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(backdrop.isEnabled());
    message.show();
    EXPECT_TRUE(message.isEnabled()) << "answers stay possible";
    message.close();
    modal.close();
  });
  modal.RunModal();
  EXPECT_TRUE(main.isEnabled());
}

TEST(ModalRunOnTheBackdrop, QuittingTheProgramEndsTheRun) {
  TSkinnedForm modal("FormSetup");
  WhileRunning([] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit)); });
  EXPECT_EQ(modal.RunModal(), TSkinnedForm::kModalCancelled);
  EXPECT_FALSE(modal.isVisible());
  WhileRunning([&] { modal.SetModalResult(1); });
  EXPECT_EQ(modal.RunModal(), 1) << "a later run is not ended by the old request";
}

TEST_F(SkinnedFormTest, EscapeClosesAnyWindowButTheMainOne) {
  TSkinnedForm main("FormMain"), other("FormTemplates");
  TSkinnedForm::SetMainForm(&main);
  main.show();
  other.show();
  QTest::keyClick(&main, Qt::Key_Escape);
  QTest::keyClick(&other, Qt::Key_Escape);
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(other.isVisible());
  TSkinnedForm::SetMainForm(nullptr);
}

TEST(WindowShape, TheSkinsKeyColourIsCutAway) {
  Picture skin(10, 4);
  for (Pixel& p : skin.Pixels()) p = {0, 255, 0, 255};
  skin.At(3, 1) = skin.At(4, 1) = {1, 1, 1, 255};
  QWidget window;
  SetWindowRegionFromPicture(&window, skin, 0x00FF00);
  EXPECT_EQ(window.mask(), QRegion(3, 1, 2, 1));
}

// The message window on the generated default interface.
class MessageWindowTest : public ::testing::Test {
 protected:
  MessageWindowTest() : buttons_(nullptr, "ImageMainFormButtons") {
    InterfaceContext& ui = CurrentInterface();
    ui.AppFolder = LUMENA_PROGRAM_FOLDER;
    ui.ResolutionLevel = 2;
    ui.Termins = {{"ConfirmExit", "Leave\rnow?"}, {"ButtonYesHint", "Yes please"}};
    SetBoxHandler([](BoxKind, const std::string&) { return 6; });
    Picture cells(200, 210);
    for (Pixel& p : cells.Pixels()) p.a = 255;
    buttons_.SetPicture(std::move(cells));
    mainClose_.Resource.SetImage(&buttons_);
    mainClose_.setToolTip("Close");
    window_ = std::make_unique<TFormMessage>(mainClose_, &buttons_);
  }
  ~MessageWindowTest() override {
    SetBoxHandler(nullptr);
    CurrentInterface().Termins.clear();
  }
  int AnswerBy(std::function<void()> action, MessageButtons buttons = MessageButtons::Question) {
    WhileRunning(std::move(action));
    return window_->ShowMessage("ConfirmExit", buttons, MessageText::Key, "");
  }
  void Click(TGraphicButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }

  TPictureControl buttons_;
  TGraphicButton mainClose_;
  std::unique_ptr<TFormMessage> window_;
};

TEST_F(MessageWindowTest, EveryWayOfAnsweringGivesSixOrSeven) {
  EXPECT_EQ(AnswerBy([&] { Click(window_->ButtonYes); }), 6);
  EXPECT_EQ(AnswerBy([&] { Click(window_->ButtonNo); }), 7);
  EXPECT_EQ(AnswerBy([&] { Click(window_->ButtonExit); }), 7) << "the close button answers No";
  EXPECT_EQ(AnswerBy([&] { QTest::keyClick(window_.get(), Qt::Key_Return); }), 6);
  EXPECT_EQ(AnswerBy([&] { QTest::keyClick(window_.get(), Qt::Key_Escape); }), 7);
  EXPECT_EQ(AnswerBy([&] { QTest::keyClick(window_.get(), Qt::Key_Enter); }, MessageButtons::Notice), 6)
      << "a notice too";
}

TEST_F(MessageWindowTest, ShowsTheKeysTextWithItsLineBreakAndTheSetsHints) {
  AnswerBy([&] {
    EXPECT_EQ(window_->LabelMessage->text(), "Leave\nnow?");
    EXPECT_EQ(window_->ButtonYes->toolTip(), "Yes please");
    EXPECT_EQ(window_->ButtonNo->toolTip(), "No");
    EXPECT_TRUE(window_->ButtonNo->isVisible());
    window_->close();
  });
  AnswerBy(
      [&] {
        EXPECT_EQ(window_->ButtonYes->toolTip(), "OK");
        EXPECT_EQ(window_->ButtonNo->toolTip(), "Cancel");
        window_->close();
      },
      MessageButtons::Notice);
  WhileRunning([&] {
    EXPECT_EQ(window_->LabelMessage->text(), "two\nlines");
    window_->close();
  });
  window_->ShowMessage("two\nlines", MessageButtons::Notice, MessageText::Finished, "");
}

TEST_F(MessageWindowTest, TakesItsLookFromTheSkinAndTheMainWindowsCells) {
  AnswerBy([&] {
    EXPECT_EQ(window_->size(), QSize(kMessageWindowLayout.width, kMessageWindowLayout.height));
    EXPECT_FALSE(window_->mask().contains(QPoint(0, 0))) << "the rounded corner is cut away";
    EXPECT_TRUE(window_->mask().contains(QPoint(100, 70)));
    EXPECT_EQ(window_->ButtonYes->Resource.Left, 4);
    EXPECT_EQ(window_->ButtonYes->Resource.Top, 168);
    EXPECT_EQ(window_->ButtonNo->Resource.Left, 98);
    EXPECT_EQ(window_->ButtonNo->Resource.Top, 171);
    EXPECT_EQ(window_->ButtonExit->geometry(), QRect(173, 0, 19, 20));
    EXPECT_EQ(window_->ButtonExit->toolTip(), "Close");
    EXPECT_EQ(window_->ButtonExit->parentWidget(), window_->CaptionBar());
    window_->close();
  });
}

}  // namespace
}  // namespace lumena
