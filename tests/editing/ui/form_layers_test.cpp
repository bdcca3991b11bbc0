// The layers list window on its own: its entries follow the desk, a click
// picks a layer, a drag reorders, keys step through the layers, a right
// click asks for the layer menu, and the copied commands act on the desk.
#include "editing/ui/form_layers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "interface/interface_context.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "work/layer.h"

namespace lumena {
namespace {

constexpr std::array<const char*, 5> kCommands = {"ButtonLayerMoveTop", "ButtonLayerMoveBottom", "ButtonLayerDelete",
                                                  "ButtonLayerHide", "ButtonLayerShow"};

// The desk's notices reach the list as the run's observer passes them on.
class ListObserver : public DeskObserver {
 public:
  void LayersListChanged() override {
    if (form && form->isVisible()) form->Refresh();
  }
  void ActiveLayerChanged(int) override { LayersListChanged(); }
  TFormLayers* form = nullptr;
};

class FormLayersTest : public ::testing::Test {
 protected:
  FormLayersTest() {
    // No skin in the tests: the missing picture is not shown.
    SetBoxHandler([](BoxKind, const std::string&) { return 7; });
    desk_.SetDeskVisible(true);
    for (const char* name : {"Portrait", "Glasses", "Hair"}) Add(name);
    // The main window's commands, as it wires them.
    const std::pair<const char*, void (EditingSession::*)()> actions[] = {
        {"ButtonLayerMoveTop", &EditingSession::MoveActiveToFront},
        {"ButtonLayerMoveBottom", &EditingSession::MoveActiveToBack},
        {"ButtonLayerDelete", &EditingSession::DeleteActive},
        {"ButtonLayerHide", &EditingSession::ToggleActiveVisible},
        {"ButtonLayerShow", &EditingSession::ToggleActiveVisible}};
    // Opaque cells, so that the buttons take clicks.
    auto* cells = new TPictureControl(&main_, "ImageLayerButtons");
    Picture sheet(4 * 36, 36);
    for (Pixel& p : sheet.Pixels()) p = {90, 90, 90, 255};
    cells->SetPicture(std::move(sheet));
    for (const auto& [name, action] : actions) {
      auto* button = new TGraphicButton(&main_, name);
      button->Resource.SetImage(cells);
      button->Resource.SetCells(0, 0, 36, 36, 1, 4);
      button->setToolTip(name);
      button->OnClick = [this, action] { (session_.*action)(); };
    }
    new TGraphicButton(&main_, "ButtonMinimize");
    new TGraphicButton(&main_, "ButtonExit");
    form_ = std::make_unique<TFormLayers>(
        LayersWindowServices{session_, [this](int layer, QPoint) { menus_.push_back(layer); },
                             [](int number) { return number == 109 ? QCursor(Qt::ClosedHandCursor) : QCursor(); }},
        main_, listButton_);
    observer_.form = form_.get();
  }
  ~FormLayersTest() override {
    observer_.form = nullptr;
    SetBoxHandler(nullptr);
  }

  // A layer of its own colour in front of the others.
  void Add(const std::string& name) {
    auto layer = std::make_unique<TLayer>(desk_);
    Picture picture(60, 30);
    for (Pixel& p : picture.Pixels()) p = {40, static_cast<uint8_t>(60 * desk_.Count()), 200, 255};
    layer->Init(picture, nullptr, {name, -1});
    layer->Mask().SetPicture(layer->WorkPicture());
    desk_.InsertLayer(std::move(layer), desk_.Count());
  }

  void Show() {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }
  QListWidget& List() { return *ChildByName<QListWidget>(*form_, "ListBox"); }
  QWidget& Viewport() { return *List().viewport(); }
  TGraphicButton& Command(const char* name) { return *ChildByName<TGraphicButton>(*form_, name); }
  static QPoint Entry(int row) { return {100, row * kListEntryHeight + 25}; }

  void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent event(type, at, Viewport().mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&Viewport(), &event);
  }
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonPress, button, button, at);
  }
  void MoveHeld(QPoint at) { Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at); }
  void ReleaseAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonRelease, button, Qt::NoButton, at);
  }
  void DragTo(QPoint from, QPoint to) {
    for (int step = 1; step <= 4; ++step) MoveHeld(from + (to - from) * step / 4);
  }
  std::vector<std::string> Order() const {
    std::vector<std::string> names;
    for (int i = 0; i < desk_.Count(); ++i) names.push_back(desk_.Layer(i).DisplayName());
    return names;
  }
  QRgb ShownAt(QPoint p) { return Viewport().grab().toImage().pixel(p); }

  ListObserver observer_;
  TWorkDesk desk_{observer_, [] {
                    DeskGeometry g;
                    g.CentreView();
                    return g;
                  }()};
  testing::ScriptedQuestions questions_;
  EditingSession session_{desk_, questions_};
  QWidget main_;
  TGraphicButton listButton_;
  std::unique_ptr<TFormLayers> form_;
  std::vector<int> menus_;
};

using Names = std::vector<std::string>;

TEST_F(FormLayersTest, ShowingListsTheLayersFrontFirstWithTheActiveOneSelected) {
  desk_.SetActive(1);
  Show();
  ASSERT_EQ(form_->Entries().size(), 3u);
  EXPECT_EQ(form_->Entries()[0].name, "Hair");
  EXPECT_EQ(List().count(), 3);
  EXPECT_EQ(List().currentRow(), 1);
  EXPECT_TRUE(listButton_.Pressed());
  EXPECT_EQ(List().visualItemRect(List().item(2)).height(), kListEntryHeight);

  EXPECT_EQ(ShownAt({3 + 30, 3 + 22}), qRgb(200, 120, 40)) << "the first thumbnail";
  EXPECT_EQ(ShownAt({3 + 30, 3 + 4}), qRgb(0, 0, 0)) << "black above the 44 x 22 picture";
  EXPECT_EQ(ShownAt({150, kListEntryHeight - 1}), qRgb(128, 128, 128)) << "the line under an entry";
  EXPECT_EQ(ShownAt({150, 10}), qRgb(255, 255, 255)) << "an entry";
  EXPECT_EQ(ShownAt({150, kListEntryHeight + 10}), List().palette().color(QPalette::Highlight).rgb())
      << "the active layer's entry";

  form_->close();
  EXPECT_FALSE(listButton_.Pressed());
  EXPECT_TRUE(form_->Entries().empty()) << "the thumbnails go with the window";
}

TEST_F(FormLayersTest, TheListAndItsCommandsFollowTheDesk) {
  Show();
  EXPECT_FALSE(Command("ButtonLayerMoveTop").isEnabled());
  EXPECT_FALSE(Command("ButtonLayerDelete").isEnabled());
  EXPECT_TRUE(Command("ButtonLayerHide").isHidden());
  EXPECT_FALSE(Command("ButtonLayerShow").isHidden());
  EXPECT_FALSE(Command("ButtonLayerShow").isEnabled());

  desk_.SetActive(2);
  EXPECT_EQ(List().currentRow(), 2);
  EXPECT_TRUE(Command("ButtonLayerMoveTop").isEnabled());
  EXPECT_FALSE(Command("ButtonLayerMoveBottom").isEnabled());
  EXPECT_TRUE(Command("ButtonLayerHide").isEnabled());

  desk_.ToggleVisible(2);
  EXPECT_TRUE(Command("ButtonLayerHide").isHidden());
  EXPECT_TRUE(Command("ButtonLayerShow").isEnabled());

  desk_.DeleteLayer(0);
  EXPECT_EQ(form_->Entries().size(), 2u);
  EXPECT_EQ(form_->Entries()[0].name, "Glasses");
  EXPECT_EQ(List().currentRow(), 1);

  desk_.ClearWork();
  EXPECT_EQ(List().count(), 0);
  EXPECT_FALSE(Command("ButtonLayerDelete").isEnabled());
}

TEST_F(FormLayersTest, TheCopiedCommandsActOnTheActiveLayer) {
  desk_.SetActive(2);
  Show();
  for (const char* name : kCommands) EXPECT_EQ(Command(name).toolTip(), name) << "copied from the main window";
  QTest::mouseClick(&Command("ButtonLayerMoveTop"), Qt::LeftButton, {}, {18, 18});
  EXPECT_EQ(Order(), (Names{"Portrait", "Hair", "Glasses"}));
  EXPECT_EQ(List().currentRow(), 0);
  QTest::mouseClick(&Command("ButtonLayerHide"), Qt::LeftButton, {}, {18, 18});
  EXPECT_FALSE(desk_.Layer(0).Visible());
  EXPECT_TRUE(Command("ButtonLayerShow").isVisible());
}

TEST_F(FormLayersTest, AClickPicksTheLayerOnRelease) {
  Show();
  Press(Entry(2));
  EXPECT_EQ(desk_.ActiveIndex(), -1) << "not on the press";
  EXPECT_EQ(ShownAt({150, 2 * kListEntryHeight + 10}), qRgb(216, 216, 216)) << "the pressed entry";
  ReleaseAt(Entry(2) + QPoint(2, -2));
  EXPECT_EQ(desk_.ActiveIndex(), 2);
  EXPECT_EQ(List().currentRow(), 2);

  Press({100, 3 * kListEntryHeight + 20});
  ReleaseAt({100, 3 * kListEntryHeight + 20});
  EXPECT_EQ(desk_.ActiveIndex(), 2) << "below the entries";
}

TEST_F(FormLayersTest, DraggingAnEntryOntoAnotherMovesItsLayerThere) {
  Show();
  Press(Entry(0));
  DragTo(Entry(0), Entry(0) + QPoint(0, 2));
  EXPECT_FALSE(form_->Pointer().Dragging()) << "within the threshold";
  DragTo(Entry(0), Entry(0) + QPoint(0, 8));
  EXPECT_TRUE(form_->Pointer().Dragging());
  EXPECT_EQ(Viewport().cursor().shape(), Qt::ForbiddenCursor) << "over itself";
  DragTo(Entry(0), Entry(2));
  EXPECT_EQ(form_->Pointer().DropTarget(), 2);
  EXPECT_EQ(Viewport().cursor().shape(), Qt::ClosedHandCursor);
  EXPECT_EQ(ShownAt({100, 2 * kListEntryHeight}), qRgb(128, 0, 0)) << "the drop target's frame";
  ReleaseAt(Entry(2));
  EXPECT_EQ(Order(), (Names{"Glasses", "Portrait", "Hair"}));
  EXPECT_FALSE(form_->Pointer().Dragging());
  EXPECT_EQ(form_->Entries()[2].name, "Hair");
  EXPECT_EQ(Viewport().cursor().shape(), Qt::ArrowCursor);

  // Back onto itself: nothing moves.
  Press(Entry(2));
  DragTo(Entry(2), Entry(2) + QPoint(0, -10));
  ReleaseAt(Entry(2) + QPoint(0, -10));
  EXPECT_EQ(Order(), (Names{"Glasses", "Portrait", "Hair"}));
}

TEST_F(FormLayersTest, ARefreshDuringADragEndsItWithoutADrop) {
  Show();
  Press(Entry(0));
  DragTo(Entry(0), Entry(1));
  ASSERT_TRUE(form_->Pointer().Dragging());
  desk_.ToggleVisible(2);
  EXPECT_FALSE(form_->Pointer().Dragging());
  DragTo(Entry(1), Entry(2));
  ReleaseAt(Entry(2));
  EXPECT_EQ(Order(), (Names{"Hair", "Glasses", "Portrait"}));
  EXPECT_EQ(desk_.ActiveIndex(), -1) << "nor a click";
}

TEST_F(FormLayersTest, ADragHeldNearTheBottomScrollsTheList) {
  for (const char* name : {"Lips", "Nails", "Hat", "Scarf"}) Add(name);
  Show();
  ASSERT_EQ(List().verticalScrollBar()->value(), 0);
  Press(Entry(0));
  const QPoint bottom(100, Viewport().height() - 5);
  DragTo(Entry(0), bottom);
  EXPECT_TRUE(QTest::qWaitFor([&] { return List().verticalScrollBar()->value() > 0; }, 2000));
  ReleaseAt(bottom);
  EXPECT_FALSE(form_->Pointer().Dragging());
}

TEST_F(FormLayersTest, NavigationKeysMakeTheNewlySelectedLayerActive) {
  desk_.SetActive(0);
  Show();
  List().setFocus();
  const std::pair<Qt::Key, int> steps[] = {
      {Qt::Key_Down, 1}, {Qt::Key_End, 2}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, 2}};
  for (const auto& [key, active] : steps) {
    QTest::keyClick(&List(), key);
    EXPECT_TRUE(QTest::qWaitFor([&] { return desk_.ActiveIndex() == active; }, 1000)) << key;
    EXPECT_EQ(List().currentRow(), active);
  }
}

TEST_F(FormLayersTest, ARightClickAsksForTheLayerMenuWithoutPickingTheLayer) {
  desk_.SetActive(0);
  Show();
  Press(Entry(1), Qt::RightButton);
  ReleaseAt(Entry(1), Qt::RightButton);
  EXPECT_EQ(menus_, std::vector<int>{1});
  EXPECT_EQ(desk_.ActiveIndex(), 0);
  Press({100, 200}, Qt::RightButton);
  ReleaseAt({100, 200}, Qt::RightButton);
  EXPECT_EQ(menus_, std::vector<int>{1}) << "below the entries";
}

TEST_F(FormLayersTest, TheListButtonTogglesAndRestoresTheWindow) {
  form_->Toggle();
  EXPECT_TRUE(form_->isVisible());
  form_->showMinimized();
  form_->Toggle();
  EXPECT_FALSE(form_->isMinimized());
  EXPECT_TRUE(form_->isVisible());
  form_->Toggle();
  EXPECT_FALSE(form_->isVisible());
}

}  // namespace
}  // namespace lumena
