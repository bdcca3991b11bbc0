#include "templates/ui/form_templates.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "images/stretch.h"
#include "images/ui/qt_picture.h"
#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "platform/file_error.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_text.h"
#include "templates/templates_window_layout.h"

namespace lumena {

namespace {

constexpr int kCursorHandPoint = 110, kCursorHand3D = 116;
const QColor kGridGrey(128, 128, 128);

bool IsModel(const TPartInfoRecord& t) { return StoredExtension(t.FileName) == ".x"; }

}  // namespace

TFormTemplates::TFormTemplates(TemplatesWindowServices services, const TGraphicButton& mainMinimize,
                               const TGraphicButton& mainExit)
    : TSkinnedForm(ToQString(kTemplatesWindowLayout.name)), services_(std::move(services)), emptyPreview_(32, 32) {
  resize(kTemplatesWindowLayout.width, kTemplatesWindowLayout.height);
  TPictureControl* buttons = ImageButtons();
  BuildLayoutControls(this, kTemplatesWindowLayout, [buttons](std::string_view) { return buttons; });
  grid_ = ChildByName<TPictureControl>(*this, "ResImage");
  grid_->show();
  grid_->setMouseTracking(true);
  grid_->installEventFilter(this);
  scroll_ = ChildByName<TGraphicSlider>(*this, "SliderScrollPreview");
  scroll_->OnChange = [this] { DrawPreviews(scroll_->Value() * shape_.columns); };
  titleLabel_ = ChildByName<QLabel>(*this, "LabelPartsName");
  titleLabel_->setAlignment(Qt::AlignCenter);
  shownLabel_ = ChildByName<QLabel>(*this, "LabelNumPartsShow");
  totalLabel_ = ChildByName<QLabel>(*this, "LabelNumPartsTotal");
  for (QLabel* label : {titleLabel_, shownLabel_, totalLabel_}) ShowInCaptionStyle(*label, 12);
  for (const bool down : {false, true}) {
    auto* button = ChildByName<TGraphicButton>(*this, down ? "ButtonPreviewScrollDown" : "ButtonPreviewScrollUp");
    button->OnMouseDown = [this](QMouseEvent* e) { pageStep_ = e->modifiers().testFlag(Qt::ControlModifier); };
    button->OnClick = [this, down] { ScrollBy((down ? 1 : -1) * (pageStep_ ? shape_.rows : 1)); };
  }
  replaceSameType_ = ChildByName<TGraphicButton>(*this, "ButtonReplaceSameType");
  replaceSameType_->OnClick = [this] { replaceSameType_->SetPressed(!replaceSameType_->Pressed()); };
  for (int i = 0; i < kNailMarkCount; ++i) {
    nails_[i] = ChildByName<TGraphicButton>(*this, "ButtonNail" + std::to_string(i + 1));
    nails_[i]->OnClick = [button = nails_[i]] { button->SetPressed(!button->Pressed()); };
  }
  // The query filter comes with the queries window.
  ChildByName<QWidget>(*this, "ButtonSetTemplatesFilter")->setEnabled(false);
  CopyCaptionButtons(mainMinimize, mainExit);
  std::ranges::fill(emptyPreview_.Pixels(), Pixel{192, 192, 192, 255});
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(488, 130)));
  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormTemplatesCaption", "Templates")));
  replaceSameType_->setToolTip(ToQString(GetTermin("FormTemplatesButtonReplaceSameTypeHint", "Replace the same type")));
}

void TFormTemplates::OpenOnType(int32_t type, int columns, int rows, const std::string& hint) {
  type_ = type;
  shape_ = MakeGridShape(columns, rows, grid_->width(), grid_->height());
  std::string caption = hint.substr(0, hint.find('@'));
  std::ranges::replace(caption, '\r', ' ');
  if (caption.empty()) caption = GetTermin("FormTemplatesCaption", "Templates");
  CaptionBar()->SetCaption(ToQString(caption));
  group_ = GroupOfLetter(services_.base.GroupOf(type));
  ShowGroupSwitches();
  if (isVisible()) {
    if (services_.base.TemplateBaseChanged) services_.load(false);
    RefillTemplates(true);
    DrawPreviews(0);
  } else {
    show();
  }
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void TFormTemplates::ShowGroupSwitches() {
  for (TGraphicButton* nail : nails_) nail->setVisible(group_ == TemplateGroup::Nails);
  replaceSameType_->setVisible(group_ != TemplateGroup::Nails);
  replaceSameType_->SetPressed(false);
}

void TFormTemplates::FormShow() {
  LoadSkin("FormTemplates.Skin", kTemplatesWindowLayout.skinDefault);
  KeepOnScreen();
  LoadButtonsPicture(kTemplatesButtonsKey, kTemplatesButtonsDefault, true);
  services_.load(true);
  group_ = GroupOfLetter(services_.base.GroupOf(type_));
  ShowGroupSwitches();
  RefillTemplates(true);
  DrawPreviews(0);
  ChildByName<TGraphicButton>(*this, "ButtonSetTemplatesFilter")->SetPressed(filterOn_);
}

void TFormTemplates::FormClose() {
  grid_->ClearPicture();
  FreeButtonsPicture();
  FreeSkin();
  if (onClosed) onClosed();
}

void TFormTemplates::RefillTemplates(bool resetScroll) {
  shown_ = ShownTemplatesOf(services_.base, type_);
  const int maximum = ScrollMaximum(static_cast<int>(shown_.shown.size()), shape_);
  const auto change = std::exchange(scroll_->OnChange, nullptr);
  scroll_->SetAllValues(0, maximum, resetScroll ? 0 : scroll_->Value());
  scroll_->OnChange = change;
  shownLabel_->setText(QString::number(shown_.shown.size()));
  totalLabel_->setText("(" + QString::number(shown_.total) + ")");
  shownLabel_->repaint();
  totalLabel_->repaint();
}

void TFormTemplates::DrawPreviews(int first) {
  QImage image(grid_->width(), grid_->height(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(QFont("Arial", 7));
  bool titled = false;
  const int count = static_cast<int>(shown_.shown.size());
  for (int row = 0; row < shape_.rows; ++row)
    for (int col = 0; col < shape_.columns; ++col) {
      const int index = first + row * shape_.columns + col;
      if (index >= count) break;
      const TPartInfoRecord& entry = *shown_.shown[index];
      DrawCell(painter, entry, col, row);
      painter.setPen(kGridGrey);
      painter.drawText(col * shape_.cellWidth + 2, row * shape_.cellHeight + painter.fontMetrics().ascent(),
                       QString::number(index + 1));
      if (!entry.IsTitle()) continue;
      titled = true;
      titleLabel_->setText(ToQString(entry.Name));
      titleLabel_->setGeometry(grid_->x() + col * shape_.cellWidth, grid_->y() + row * shape_.cellHeight + 2,
                               shape_.cellWidth, titleLabel_->height());
    }
  painter.setPen(kGridGrey);
  for (int k = 1; k < shape_.columns; ++k)
    painter.drawLine(k * shape_.cellWidth, 0, k * shape_.cellWidth, image.height());
  for (int k = 1; k <= shape_.rows; ++k)
    painter.drawLine(0, k * shape_.cellHeight, image.width(), k * shape_.cellHeight);
  painter.end();
  titleLabel_->setVisible(titled);
  if (titled) titleLabel_->raise();
  grid_->SetPicture(FromQImage(image));
}

void TFormTemplates::DrawCell(QPainter& painter, const TPartInfoRecord& entry, int col, int row) {
  const Picture preview = LoadTemplatePreview(services_.roots, entry.FileName, emptyPreview_);
  const QRect cell(col * shape_.cellWidth, row * shape_.cellHeight, shape_.cellWidth, shape_.cellHeight);
  if (preview.Empty()) {
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(cell, Qt::AlignCenter, ToQString(GetTermin("FormTemplatesLabelTemplateNotFound", "not found")));
    return;
  }
  const Rect place = PreviewPlace(shape_, col, row, preview.Width(), preview.Height());
  if (place.Empty()) return;
  Picture thumb(place.Width(), place.Height());
  StretchThumbnail(thumb, {0, 0, thumb.Width(), thumb.Height()}, preview);
  painter.drawImage(place.left, place.top, ToQImage(thumb));
}

void TFormTemplates::ReloadTemplates() {
  const BusyCursor busy;
  services_.load(false);
  RefillTemplates(false);
  DrawPreviews(scroll_->Value() * shape_.columns);
}

void TFormTemplates::ScrollTo(int row) { scroll_->SetValue(std::clamp(row, 0, scroll_->Max())); }

void TFormTemplates::ScrollBy(int rows) { ScrollTo(scroll_->Value() + rows); }

void TFormTemplates::FormKeyDown(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return;
  switch (event->key()) {
    case Qt::Key_PageUp:
      return ScrollBy(-shape_.rows);
    case Qt::Key_PageDown:
      return ScrollBy(shape_.rows);
    case Qt::Key_Up:
      return ScrollBy(-1);
    case Qt::Key_Down:
      return ScrollBy(1);
    case Qt::Key_Home:
      return ScrollTo(0);
    case Qt::Key_End:
      return ScrollTo(scroll_->Max());
    default:
      break;
  }
}

const TPartInfoRecord* TFormTemplates::LayableAt(QPoint p) const {
  const std::optional<int> index = CellIndexAt(p.x(), p.y(), shape_, scroll_->Value());
  if (!index || *index >= static_cast<int>(shown_.shown.size())) return nullptr;
  const TPartInfoRecord* entry = shown_.shown[*index];
  return entry->IsTitle() ? nullptr : entry;
}

// The name shows once the mouse rests in a cell: on the second move in it.
void TFormTemplates::Hover(QPoint p) {
  const std::optional<int> cell = CellIndexAt(p.x(), p.y(), shape_, scroll_->Value());
  const TPartInfoRecord* entry = LayableAt(p);
  if (!entry) {
    grid_->unsetCursor();
    QToolTip::hideText();
    if (!cell) hoverCell_.reset();
    return;
  }
  if (services_.cursors) grid_->setCursor(services_.cursors(IsModel(*entry) ? kCursorHand3D : kCursorHandPoint));
  if (hoverCell_ == cell) QToolTip::showText(grid_->mapToGlobal(p), ToQString(entry->Name), grid_);
  hoverCell_ = cell;
}

void TFormTemplates::Choose(QPoint p) {
  if (const std::string_view refusal = TemplateRefusal(group_, services_.anchors); !refusal.empty())
    return services_.tell(refusal);
  const TPartInfoRecord* entry = LayableAt(p);
  if (!entry) return;
  TemplateOptions options;
  for (int i = 0; i < kNailMarkCount; ++i) options.nails[i] = nails_[i]->Pressed();
  options.replaceSameType = group_ != TemplateGroup::Nails && replaceSameType_->Pressed();
  try {
    const ChoiceOutcome outcome =
        ChooseTemplate(services_.session, services_.base, services_.roots, services_.anchors, *entry, options);
    if (!outcome.message.empty()) services_.tell(outcome.message);
    if (outcome.laid > 0 && onLaid) onLaid();
  } catch (const EFileError& e) {
    ShowErrorBox(e.what());
  } catch (const EFormatError& e) {
    ShowErrorBox(e.what());
  }
}

// The grid's mouse is the window's; the window also filters the whole
// application's events, so each is taken once and stops here.
bool TFormTemplates::eventFilter(QObject* watched, QEvent* event) {
  if (watched != grid_) return TSkinnedForm::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove:
      Hover(static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    case QEvent::MouseButtonRelease:
      Choose(static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    case QEvent::Leave:
      hoverCell_.reset();
      return false;
    default:
      return TSkinnedForm::eventFilter(watched, event);
  }
}

}  // namespace lumena
