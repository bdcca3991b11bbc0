#include "platform/ui/mouse_move_filter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <string>
#include <vector>

namespace lumena {
namespace {

// Records the mouse events it receives as "move 3", "press 2" and so on.
class RecordingWidget : public QWidget {
 public:
  // Without tracking, moves with no button held never reach the widget.
  RecordingWidget() { setMouseTracking(true); }
  std::vector<std::string> received;

 protected:
  void mouseMoveEvent(QMouseEvent* e) override { Record("move", e); }
  void mousePressEvent(QMouseEvent* e) override { Record("press", e); }
  void mouseReleaseEvent(QMouseEvent* e) override { Record("release", e); }

 private:
  void Record(const char* what, QMouseEvent* e) {
    received.push_back(std::string(what) + " " + std::to_string(static_cast<int>(e->position().x())));
  }
};

struct Step {
  QEvent::Type type;
  int x;
};

void Post(QWidget& widget, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    const Qt::MouseButton button = s.type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QCoreApplication::postEvent(
        &widget, std::make_unique<QMouseEvent>(s.type, QPointF(s.x, 0), QPointF(s.x, 0), button, button, Qt::NoModifier)
                     .release());
  }
}

struct FilterCase {
  const char* name;
  std::vector<Step> queued;
  std::vector<std::string> expected;
};

class MouseMoveFiltering : public testing::TestWithParam<FilterCase> {};

TEST_P(MouseMoveFiltering, KeepsTheNewestMoveAndTheOrder) {
  RecordingWidget widget;
  MouseMoveFilter filter(&widget);
  Post(widget, GetParam().queued);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.received, GetParam().expected) << GetParam().name;
}

constexpr auto kMove = QEvent::MouseMove;
constexpr auto kPress = QEvent::MouseButtonPress;
constexpr auto kRelease = QEvent::MouseButtonRelease;

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseMoveFiltering,
    testing::Values(FilterCase{"moves only", {{kMove, 1}, {kMove, 2}, {kMove, 3}}, {"move 3"}},
                    FilterCase{"one move", {{kMove, 7}}, {"move 7"}},
                    FilterCase{"press between",
                               {{kMove, 1}, {kMove, 2}, {kPress, 2}, {kMove, 3}, {kMove, 4}, {kRelease, 4}},
                               {"move 2", "press 2", "move 4", "release 4"}},
                    FilterCase{"no moves", {{kPress, 5}, {kRelease, 5}}, {"press 5", "release 5"}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(DropQueuedMouseMessages, RemovesOneKindAndKeepsTheRestInOrder) {
  RecordingWidget widget;
  Post(widget, {{kMove, 1}, {kPress, 1}, {kMove, 2}, {kRelease, 2}, {kMove, 3}});
  DropQueuedMouseMessages(&widget, QEvent::MouseMove);
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.received, (std::vector<std::string>{"press 1", "release 2"}));
}

TEST(DropQueuedMouseMessages, AlsoDropsTheMoveTheFilterHolds) {
  RecordingWidget widget;
  MouseMoveFilter filter(&widget);
  QMouseEvent move(kMove, QPointF(9, 0), QPointF(9, 0), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &move);  // held back
  EXPECT_TRUE(widget.received.empty());
  DropQueuedMouseMessages(&widget, QEvent::MouseMove);
  QCoreApplication::processEvents();
  EXPECT_TRUE(widget.received.empty());
  EXPECT_EQ(filter.DroppedMoves(), 1);
}

}  // namespace
}  // namespace lumena
