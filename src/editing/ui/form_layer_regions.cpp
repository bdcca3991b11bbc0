#include "editing/ui/form_layer_regions.h"

#include <QMouseEvent>
#include <QPainter>

#include "editing/editing_session.h"
#include "editing/regions_window_layout.h"
#include "editing/ui/form_layer_region_edit.h"
#include "images/ui/qt_picture.h"
#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kEntryLine(128, 128, 128);

}  // namespace

TFormLayerRegions::TFormLayerRegions(RegionsWindowServices services, TFormLayerRegionEdit& editor,
                                     const TGraphicButton& mainMinimize, const TGraphicButton& mainExit)
    : TSkinnedForm(ToQString(kRegionsWindowLayout.name)), services_(std::move(services)), editor_(editor) {
  resize(kRegionsWindowLayout.width, kRegionsWindowLayout.height);
  TPictureControl* buttons = ImageButtons();
  BuildLayoutControls(this, kRegionsWindowLayout, [buttons](std::string_view) { return buttons; });
  list_ = ChildByName<TPictureControl>(*this, "ListBox");
  list_->show();
  list_->installEventFilter(this);
  editButton_ = ChildByName<TGraphicButton>(*this, "ButtonEditRegion");
  editButton_->OnClick = [this] { EditRegion(); };
  saveButton_ = ChildByName<TGraphicButton>(*this, "ButtonSaveRegion");
  saveButton_->OnClick = [this] { SaveRegion(); };
  saveButton_->setEnabled(false);
  editor_.onEdited = [this] { RegionsEdited(); };
  CopyCaptionButtons(mainMinimize, mainExit);
  // Beside the tool panels, not over them: a chosen region is coloured with
  // the panel's sliders while the list stays open.
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(810, 190)));
  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormLayerRegionsCaption", "Layer regions")));
  regionWord_ = GetTermin("FormLayerRegionsItemRegionCaption", "Region #");
  noRegionCaption_ = GetTermin("FormLayerRegionsItemNoRegionCaption", "Whole layer");
}

void TFormLayerRegions::FormShow() {
  LoadSkin("FormLayerRegions.Skin", kRegionsWindowLayout.skinDefault);
  KeepOnScreen();
  LoadButtonsPicture(kRegionsSheet.key, kRegionsSheet.file, true);
  ShowLayer(services_.session.Desk().ActiveLayer());
}

void TFormLayerRegions::FormClose() {
  list_->ClearPicture();
  FreeButtonsPicture();
  FreeSkin();
}

void TFormLayerRegions::SetSaveRegion(std::function<void(const RegionCut&)> save) {
  saveRegion_ = std::move(save);
  ShowButtons();
}

void TFormLayerRegions::ShowLayer(TLayer* layer) {
  shownLayer_ = layer;
  if (layer) {
    layer->Mask().SetPicture(layer->WorkPicture());
    thumbnails_ = MakeRegionThumbnails(layer->WorkPicture(), layer->Mask(), kRegionsItemHeight);
    selectedEntry_ = layer->Mask().CurrentRegion();
  } else {
    thumbnails_ = {};
    selectedEntry_ = 0;
  }
  list_->setEnabled(layer != nullptr);
  ShowButtons();
  DrawList();
}

void TFormLayerRegions::ActiveLayerShown(const TLayer* layer) {
  editor_.CheckLayer();
  if (!isVisible()) return;
  TLayer* active = services_.session.Desk().ActiveLayer();
  if (active != layer) return;
  // A region chosen on the same layer only moves the selection.
  if (active && active == shownLayer_) {
    selectedEntry_ = active->Mask().CurrentRegion();
    return DrawList();
  }
  ShowLayer(active);
}

void TFormLayerRegions::ShowButtons() {
  editButton_->setVisible(shownLayer_ != nullptr);
  saveButton_->setVisible(shownLayer_ != nullptr);
  saveButton_->setEnabled(static_cast<bool>(saveRegion_));
}

int TFormLayerRegions::EntryAt(int y) { return y < 0 ? -1 : y / kRegionsItemHeight; }

void TFormLayerRegions::DrawList() {
  QImage image(list_->width(), list_->height(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  if (shownLayer_) {
    QPainter painter(&image);
    painter.setFont(QFont("Arial", 9));
    const int h = kRegionsItemHeight;
    for (int entry = 0; entry < kRegionsEntries; ++entry) {
      const QRect item(0, entry * h, image.width(), h);
      const bool selected = entry == selectedEntry_;
      painter.fillRect(item, selected ? kNavy : QColor(Qt::white));
      painter.drawImage(QRect(5, item.top() + 2, h - 4, h - 4), ToQImage(thumbnails_[entry]));
      painter.setPen(kEntryLine);
      painter.drawLine(0, item.bottom(), image.width() - 1, item.bottom());
      painter.setPen(selected ? QColor(Qt::white) : kNavy);
      const std::string text = entry == 0 ? noRegionCaption_ : regionWord_ + std::to_string(entry);
      painter.drawText(QRect(h + 10, item.top(), image.width() - h - 10, h), Qt::AlignVCenter | Qt::AlignLeft,
                       ToQString(text));
    }
  }
  list_->SetPicture(FromQImage(image));
}

void TFormLayerRegions::ChooseEntry(int entry) {
  if (!shownLayer_ || entry < 0 || entry >= kRegionsEntries) return;
  selectedEntry_ = entry;
  services_.session.ChooseRegion(*shownLayer_, entry);
  DrawList();
}

void TFormLayerRegions::EditRegion() {
  if (!shownLayer_ || shownLayer_->Mask().CurrentRegion() == 0) return;
  editor_.LoadMask(*shownLayer_);
}

void TFormLayerRegions::SaveRegion() {
  if (!shownLayer_ || selectedEntry_ < 1 || !saveRegion_) return;
  const std::optional<RegionCut> cut = services_.session.CutRegionOf(*shownLayer_, selectedEntry_);
  if (!cut) return services_.tell("MessageRegionIsEmpty");
  saveRegion_(*cut);
}

void TFormLayerRegions::RegionsEdited() {
  // A hidden window's layer may have gone since.
  if (!shownLayer_ || services_.session.Desk().IndexOf(shownLayer_) < 0) return;
  shownLayer_->Mask().CollectUsedRegions();
  thumbnails_ = MakeRegionThumbnails(shownLayer_->WorkPicture(), shownLayer_->Mask(), kRegionsItemHeight);
  DrawList();
}

bool TFormLayerRegions::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_) return TSkinnedForm::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      ChooseEntry(EntryAt(static_cast<QMouseEvent*>(event)->position().toPoint().y()));
      return true;
    case QEvent::MouseButtonDblClick:
      EditRegion();
      return true;
    default:
      return TSkinnedForm::eventFilter(watched, event);
  }
}

}  // namespace lumena
