// The layers list's actions: picking a layer and moving it in the stacking
// order.
#include "editing/editing_session.h"

namespace lumena {

void EditingSession::ActivateLayer(int index) {
  if (index >= 0 && index < desk_.Count() && index != desk_.ActiveIndex()) desk_.SetActive(index);
}

void EditingSession::ReorderLayer(int from, int to) {
  const int count = desk_.Count();
  if (from == to || from < 0 || from >= count || to < 0 || to >= count) return;
  desk_.MoveLayer(from, to);
}

}  // namespace lumena
