#pragma once
// The layer regions window: the active layer's no-region entry and regions
// 1 to 8 with thumbnails; choosing one makes it current for the colour
// sliders, and from here the region is edited or saved as a template.
#include <functional>
#include <string>
#include <string_view>

#include "interface/ui/skinned_form.h"
#include "work/region_cut.h"
#include "work/region_thumbnails.h"

namespace lumena {

class EditingSession;
class TFormLayerRegionEdit;
class TGraphicButton;
class TLayer;

struct RegionsWindowServices {
  EditingSession& session;
  // Shows a message by its text key.
  std::function<void(std::string_view key)> tell;
};

class TFormLayerRegions : public TSkinnedForm {
  Q_OBJECT

 public:
  TFormLayerRegions(RegionsWindowServices services, TFormLayerRegionEdit& editor, const TGraphicButton& mainMinimize,
                    const TGraphicButton& mainExit);

  // Fills the window for a layer (nullptr: an empty, disabled list).
  void ShowLayer(TLayer* layer);
  // The desk's active layer changed (or its region): followed while shown.
  void ActiveLayerShown(const TLayer* layer);
  // After the editor's OK.
  void RegionsEdited();

  void ChooseEntry(int entry);
  void EditRegion();
  void SaveRegion();
  // The layer-save step that takes a cut region; the save button works
  // only while one is given.
  void SetSaveRegion(std::function<void(const RegionCut&)> save);

  TLayer* ShownLayer() const { return shownLayer_; }
  int SelectedEntry() const { return selectedEntry_; }
  const RegionThumbnails& Thumbnails() const { return thumbnails_; }
  static int EntryAt(int y);

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DrawList();
  void ShowButtons();

  RegionsWindowServices services_;
  TFormLayerRegionEdit& editor_;
  std::function<void(const RegionCut&)> saveRegion_;
  TPictureControl* list_;
  TGraphicButton* editButton_;
  TGraphicButton* saveButton_;
  TLayer* shownLayer_ = nullptr;
  int selectedEntry_ = 0;
  RegionThumbnails thumbnails_;
  std::string regionWord_;
  std::string noRegionCaption_;
};

}  // namespace lumena
