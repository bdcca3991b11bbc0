#include "work/undo.h"

#include <new>

namespace lumena {

TUndoRecord* TUndoList::Push(const std::function<void(TUndoRecord&)>& fill) {
  if (records_.size() >= kUndoLimit) records_.pop_front();
  for (;;) {
    try {
      TUndoRecord record;
      fill(record);
      records_.push_back(std::move(record));
      return &records_.back();
    } catch (const std::bad_alloc&) {
      if (records_.empty()) return nullptr;
      records_.pop_front();
    }
  }
}

}  // namespace lumena
