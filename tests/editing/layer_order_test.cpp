// The layers list's actions: a drop reorders the layers (the active one stays
// active), a drop on itself or off the list changes nothing, and picking a
// layer activates it once.
#include <gtest/gtest.h>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

struct OrderFixture : testing::DeskFixture {
  OrderFixture() {
    // Each new layer of equal depth goes in front: A, B, C front first.
    for (const char* name : {"C", "B", "A"}) Add(0, 0, 10, 10, {1, 2, 3, 255}, 0, name);
  }
  std::string Order() const {
    std::string order;
    for (int i = 0; i < desk.Count(); ++i) order += desk.Layer(i).DisplayName();
    return order;
  }
  testing::ScriptedQuestions questions;
  EditingSession session{desk, questions};
};

struct ReorderCase {
  int from, to;
  std::string order;
  int active;  // where the layer B, active before, ends
  bool recorded;
};

TEST(LayerOrder, ADropMovesTheLayerAndTheActiveLayerFollows) {
  const ReorderCase cases[] = {
      {0, 2, "BCA", 0, true},   {2, 0, "CAB", 2, true}, {1, 0, "BAC", 0, true}, {1, 1, "ABC", 1, false},  // onto itself
      {0, 3, "ABC", 1, false},   // past the list
      {-1, 0, "ABC", 1, false},  // from no entry
  };
  for (const ReorderCase& c : cases) {
    OrderFixture f;
    f.desk.SetActive(1);
    f.observer.actions.clear();
    const int refreshes = f.observer.listRefreshes;
    f.session.ReorderLayer(c.from, c.to);
    EXPECT_EQ(f.Order(), c.order) << c.from << " to " << c.to;
    EXPECT_EQ(f.desk.ActiveIndex(), c.active) << c.from << " to " << c.to;
    EXPECT_EQ(!f.observer.actions.empty(), c.recorded) << c.from << " to " << c.to;
    EXPECT_EQ(f.observer.listRefreshes > refreshes, c.recorded) << "the list hears of a move only";
  }
}

TEST(LayerOrder, PickingALayerActivatesItOnce) {
  OrderFixture f;
  f.session.ActivateLayer(2);
  EXPECT_EQ(f.desk.ActiveIndex(), 2);
  EXPECT_EQ(f.observer.listSelection, 2);
  const int controls = f.observer.controlRefreshes;
  f.session.ActivateLayer(2);
  f.session.ActivateLayer(3);
  f.session.ActivateLayer(-1);
  EXPECT_EQ(f.desk.ActiveIndex(), 2) << "the same layer, or none there";
  EXPECT_EQ(f.observer.controlRefreshes, controls);
}

}  // namespace
}  // namespace lumena
