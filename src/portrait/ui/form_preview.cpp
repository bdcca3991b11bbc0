#include "portrait/ui/form_preview.h"

#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "platform/text.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"
#include "portrait/portrait_preview.h"
#include "portrait/preview_window_layout.h"

namespace lumena {

TFormPreview::TFormPreview(const TGraphicButton& mainMinimize, const TGraphicButton& mainExit,
                           TGraphicButton& previewButton, const Picture& portrait)
    : TSkinnedForm(ToQString(kPreviewWindowLayout.name)), previewButton_(previewButton), portrait_(portrait) {
  resize(kPreviewWindowLayout.width, kPreviewWindowLayout.height);
  BuildLayoutControls(this, kPreviewWindowLayout, [](std::string_view) { return nullptr; });
  resImage_ = ChildByName<TPictureControl>(*this, "ResImage");
  resImage_->show();
  CopyCaptionButtons(mainMinimize, mainExit);
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(524, 130)));
  ApplyInterfaceInfo(this);
  lockResImage_ = Iequals(GetInterfaceParam("FormPreview.LockResImage"), "True");
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormPreviewCaption", "Portrait")));
}

void TFormPreview::FormShow() {
  LoadSkin("FormPreview.Skin", kPreviewWindowLayout.skinDefault);
  // Placed for a large screen beside the main window; a smaller one keeps it whole.
  KeepOnScreen();
  if (!lockResImage_) {
    const int caption = CaptionBar()->height();
    const int top = caption + kPreviewMargin;
    resImage_->setGeometry(kPreviewMargin, top, width() - 2 * kPreviewMargin,
                           height() - caption - top - kPreviewMargin);
  }
  previewButton_.SetPressed(true);
  ShowPortrait(portrait_.Empty() ? nullptr : &portrait_);
}

void TFormPreview::FormClose() {
  previewButton_.SetPressed(false);
  resImage_->ClearPicture();
  FreeSkin();
}

void TFormPreview::ShowPortrait(const Picture* portrait) {
  Picture preview(resImage_->width(), resImage_->height());
  if (preview.Empty()) return;
  DrawPortraitPreview(preview, portrait);
  resImage_->SetPicture(std::move(preview));
}

}  // namespace lumena
