#include "editing/ui/form_layers.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <array>

#include "editing/editing_session.h"
#include "editing/layers_window_layout.h"
#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

constexpr int kCursorHandGrab = 109;
constexpr std::array<const char*, 5> kLayerCommands = {"ButtonLayerMoveTop", "ButtonLayerMoveBottom",
                                                       "ButtonLayerDelete", "ButtonLayerHide", "ButtonLayerShow"};
const QColor kNavy(0, 0, 128), kPressedGround(216, 216, 216), kEntryLine(128, 128, 128), kDropFrame(128, 0, 0);

Point At(const QMouseEvent* e) { return {e->position().toPoint().x(), e->position().toPoint().y()}; }

// The list box leaves the mouse to its window: a press picks nothing until
// the release, and a drag moves layers rather than the selection.
class TLayersListBox : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<void(QMouseEvent*)> onPress, onMove, onRelease;

 protected:
  void mousePressEvent(QMouseEvent* e) override { onPress(e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { onPress(e); }
  void mouseMoveEvent(QMouseEvent* e) override { onMove(e); }
  void mouseReleaseEvent(QMouseEvent* e) override { onRelease(e); }
};

// The entries are drawn by the window, which knows their states.
class TEntryPainter : public QStyledItemDelegate {
 public:
  using Draw = std::function<void(QPainter&, const QRect&, int row)>;
  TEntryPainter(QObject* parent, Draw draw) : QStyledItemDelegate(parent), draw_(std::move(draw)) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    draw_(*painter, option.rect, index.row());
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {0, kListEntryHeight}; }

 private:
  Draw draw_;
};

void ShowCommand(TGraphicButton& button, CommandState state) {
  button.setVisible(state.shown);
  button.setEnabled(state.enabled);
}

}  // namespace

TFormLayers::TFormLayers(LayersWindowServices services, const QWidget& mainWindow, TGraphicButton& listButton)
    : TSkinnedForm(ToQString(kLayersWindowLayout.name)), services_(std::move(services)), listButton_(listButton) {
  resize(kLayersWindowLayout.width, kLayersWindowLayout.height);
  BuildLayoutControls(this, kLayersWindowLayout, [](std::string_view) { return nullptr; });
  auto* holder = ChildByName<QWidget>(*this, "PanelList");
  auto* box = new TLayersListBox(holder);
  list_ = box;
  list_->setObjectName("ListBox");
  list_->setGeometry(holder->rect());
  list_->setFrameStyle(QFrame::Box | QFrame::Plain);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list_->setUniformItemSizes(true);
  list_->setItemDelegate(
      new TEntryPainter(list_, [this](QPainter& p, const QRect& r, int row) { DrawEntry(p, r, row); }));
  box->onPress = [this](QMouseEvent* e) { Press(e); };
  box->onMove = [this](QMouseEvent* e) { Move(e); };
  box->onRelease = [this](QMouseEvent* e) { Release(e); };
  // Queued: the list finishes its key before the desk's answer rebuilds it.
  connect(
      list_, &QListWidget::currentRowChanged, this,
      [this](int row) {
        if (keyboardMove_) services_.session.ActivateLayer(row);
      },
      Qt::QueuedConnection);
  scrollTimer_.setInterval(kAutoScrollMilliseconds);
  connect(&scrollTimer_, &QTimer::timeout, this, [this] { ScrollOneLine(); });
  CopyCaptionButtons(*ChildByName<TGraphicButton>(mainWindow, "ButtonMinimize"),
                     *ChildByName<TGraphicButton>(mainWindow, "ButtonExit"));
  CopyLayerCommands(mainWindow);
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(550, 130)));
  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormLayersCaption", "Layers")));
}

// Look, hint and click come from the main window; the place is this one's.
void TFormLayers::CopyLayerCommands(const QWidget& mainWindow) {
  for (const char* name : kLayerCommands)
    if (const auto* original = ChildByName<TGraphicButton>(mainWindow, name))
      ChildByName<TGraphicButton>(*this, name)->CopyInPlace(*original);
}

void TFormLayers::FormShow() {
  LoadSkin("FormLayers.Skin", kLayersWindowLayout.skinDefault);
  KeepOnScreen();
  keyboardMove_ = false;
  Refresh();
  listButton_.SetPressed(true);
}

void TFormLayers::FormClose() {
  EndDrag();
  listButton_.SetPressed(false);
  const QSignalBlocker quiet(list_);
  list_->clear();
  entries_.clear();
  FreeSkin();
}

void TFormLayers::Refresh() {
  EndDrag();
  const TWorkDesk& desk = services_.session.Desk();
  entries_ = ListEntriesOf(desk);
  {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (size_t i = 0; i < entries_.size(); ++i) list_->addItem(QString());
    list_->setCurrentRow(desk.ActiveIndex());
  }
  UpdateButtons();
}

void TFormLayers::UpdateButtons() {
  const TWorkDesk& desk = services_.session.Desk();
  // The selected entry is the active layer's (the list may show a current
  // row of its own once it has the focus).
  const int selected = desk.ActiveIndex();
  const bool visible = selected >= 0 && selected < desk.Count() && desk.Layer(selected).Visible();
  const LayerCommandStates states = LayerCommandsFor(selected, desk.Count(), visible);
  const std::array<CommandState, 5> shown = {states.moveTop, states.moveBottom, states.remove, states.hide,
                                             states.show};
  for (size_t i = 0; i < kLayerCommands.size(); ++i)
    ShowCommand(*ChildByName<TGraphicButton>(*this, kLayerCommands[i]), shown[i]);
}

int TFormLayers::EntryAt(QPoint p) const {
  const QModelIndex index = list_->indexAt(p);
  return index.isValid() ? index.row() : -1;
}

void TFormLayers::Press(QMouseEvent* event) {
  list_->setFocus();
  keyboardMove_ = false;
  pointer_.Press(At(event), event->button() == Qt::LeftButton, EntryAt(event->position().toPoint()));
  list_->viewport()->update();
}

void TFormLayers::Move(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (pointer_.Dragging() ||
      pointer_.Move(At(event), event->buttons().testFlag(Qt::LeftButton), static_cast<int>(entries_.size())))
    DragTo(p);
}

void TFormLayers::DragTo(QPoint p) {
  if (pointer_.DragOver(EntryAt(p))) list_->viewport()->update();
  if (pointer_.DropAllowed() && services_.cursors)
    list_->viewport()->setCursor(services_.cursors(kCursorHandGrab));
  else
    list_->viewport()->setCursor(Qt::ForbiddenCursor);
  scroll_ = AutoScrollAt(p.y(), list_->viewport()->height());
  if (scroll_ == AutoScroll::None)
    scrollTimer_.stop();
  else if (!scrollTimer_.isActive())
    scrollTimer_.start();
}

void TFormLayers::Release(QMouseEvent* event) {
  if (pointer_.Dragging()) {
    const std::optional<LayerMove> move = pointer_.Drop();
    EndDrag();
    if (move) services_.session.ReorderLayer(move->from, move->to);
    return;
  }
  const ListClick click = pointer_.Release(At(event));
  list_->viewport()->update();
  if (click.kind == ListClick::Kind::Activate) services_.session.ActivateLayer(click.entry);
  if (click.kind == ListClick::Kind::OpenMenu && services_.openLayerMenu)
    services_.openLayerMenu(click.entry, event->globalPosition().toPoint());
}

void TFormLayers::EndDrag() {
  scrollTimer_.stop();
  scroll_ = AutoScroll::None;
  pointer_.Cancel();
  list_->viewport()->unsetCursor();
  list_->viewport()->update();
}

void TFormLayers::ScrollOneLine() {
  QScrollBar* bar = list_->verticalScrollBar();
  bar->setValue(bar->value() + (scroll_ == AutoScroll::Up ? -1 : 1));
}

void TFormLayers::FormKeyDown(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      keyboardMove_ = true;
      break;
    default:
      break;
  }
}

// Pressed, then the active layer, then plain; a grey line under each entry
// and a dark red frame round the drop target.
void TFormLayers::DrawEntry(QPainter& painter, const QRect& place, int row) const {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const LayersListEntry& entry = entries_[static_cast<size_t>(row)];
  const bool pressed = row == pointer_.PressedEntry();
  const bool active = row == services_.session.Desk().ActiveIndex();
  painter.fillRect(place, pressed  ? kPressedGround
                          : active ? list_->palette().color(QPalette::Highlight)
                                   : QColor(Qt::white));
  const Picture& thumb = entry.thumbnail;
  // Drawn without its alpha: transparent parts show black.
  const QImage image(thumb.Bytes(), thumb.Width(), thumb.Height(), thumb.Width() * 4, QImage::Format_RGB32);
  painter.drawImage(place.left() + 3, place.top() + 3, image);
  painter.setPen(!pressed && active ? QColor(Qt::white) : kNavy);
  const int textLeft = place.left() + thumb.Width() + 10;
  const QRect text(textLeft, place.top(), place.right() - textLeft - 2, place.height());
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(ToQString(entry.name), Qt::ElideRight, text.width()));
  painter.setPen(kEntryLine);
  painter.drawLine(place.left(), place.bottom(), place.right(), place.bottom());
  if (row != pointer_.DropTarget()) return;
  painter.setPen(kDropFrame);
  painter.drawRect(place.left(), place.top(), place.width() - 1, place.height() - 2);
}

}  // namespace lumena
