#pragma once
// The layers list: the work's layers front first, each with its thumbnail
// and name. A click makes a layer the active one, a right click opens the
// desk's layer menu on it, a drag onto another entry moves the layer there
// in the stacking order, and the main window's five layer commands stand
// under the list. The main window's layer list button toggles it and stays
// pressed while it is open.
#include <QCursor>
#include <QTimer>
#include <functional>
#include <vector>

#include "interface/ui/skinned_form.h"
#include "work/layers_list.h"

class QListWidget;
class QMouseEvent;
class QPainter;

namespace lumena {

class EditingSession;
class TGraphicButton;

struct LayersWindowServices {
  EditingSession& session;
  // Opens the desk's layer menu on a layer at a screen point.
  std::function<void(int layer, QPoint at)> openLayerMenu;
  std::function<QCursor(int number)> cursors;
};

class TFormLayers : public TSkinnedForm {
  Q_OBJECT

 public:
  // The caption buttons and the five layer commands copy the main window's
  // controls of the same names; `listButton` is the one that toggles this.
  TFormLayers(LayersWindowServices services, const QWidget& mainWindow, TGraphicButton& listButton);

  // Rebuilds the entries from the desk and selects the active layer's; a
  // drag under way ends without a drop.
  void Refresh();
  // The five commands follow the selected entry.
  void UpdateButtons();

  const std::vector<LayersListEntry>& Entries() const { return entries_; }
  const LayersListPointer& Pointer() const { return pointer_; }

 protected:
  void FormShow() override;
  void FormClose() override;
  void FormKeyDown(QKeyEvent* event) override;

 private:
  void CopyLayerCommands(const QWidget& mainWindow);
  int EntryAt(QPoint p) const;
  void Press(QMouseEvent* event);
  void Move(QMouseEvent* event);
  void Release(QMouseEvent* event);
  void DragTo(QPoint p);
  void EndDrag();
  void ScrollOneLine();
  void DrawEntry(QPainter& painter, const QRect& place, int row) const;

  LayersWindowServices services_;
  TGraphicButton& listButton_;
  QListWidget* list_;
  std::vector<LayersListEntry> entries_;
  LayersListPointer pointer_;
  bool keyboardMove_ = false;
  AutoScroll scroll_ = AutoScroll::None;
  QTimer scrollTimer_;
};

}  // namespace lumena
