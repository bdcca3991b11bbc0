// Making layers from the adjusted portrait, from element picture files and
// from the pictures and mask streams of a work file.
#include <stdexcept>

#include "images/picture_file.h"
#include "images/pixel_routines.h"
#include "platform/stored_path.h"
#include "platform/text.h"
#include "work/layer.h"

namespace lumena {

namespace {

// The mask beside an element picture: its name up to the first "." plus
// ".msk", found without regard to case. Only the file name is cut, so a
// dot in a folder name does no harm.
std::filesystem::path MaskFileFor(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const std::string maskName = name.substr(0, name.find('.')) + ".msk";
  const std::filesystem::path folder = file.parent_path();
  if (auto found = ResolveStoredPath(folder.empty() ? "." : folder, maskName)) return *found;
  return folder / maskName;
}

}  // namespace

std::unique_ptr<TLayer> TLayer::CreateFromPicture(LayerSite& site, const Picture& picture, std::string displayName,
                                                  bool pictureHasAlpha) {
  auto layer = std::make_unique<TLayer>(site);
  layer->Init(picture, nullptr, {std::move(displayName), -1});
  layer->RefitMask();
  layer->Mask_.LoadMaskFile(layer->Name_ + ".msk");
  layer->Mask_.CollectUsedRegions();
  if (!pictureHasAlpha) SetAlpha(layer->WorkPicture_, 255);
  layer->SetTransformMode(kModeNormal);
  return layer;
}

std::unique_ptr<TLayer> TLayer::CreateFromFile(LayerSite& site, const std::filesystem::path& file,
                                               const DataRoots& roots, const LayerIdentity& identity) {
  const Picture picture = LoadPictureFile(file);
  auto layer = std::make_unique<TLayer>(site);
  layer->Init(picture, nullptr, identity);
  layer->SourcePath_ = roots.StoredForm(file);
  layer->RefitMask();
  layer->Mask_.LoadMaskFile(MaskFileFor(file).string());
  layer->Mask_.CollectUsedRegions();
  layer->SetTransformMode(kModeNormal);
  return layer;
}

std::unique_ptr<TLayer> TLayer::CreateFromStored(LayerSite& site, const Picture& picture, const TLayerRecord& record,
                                                 std::span<const uint8_t> maskStream) {
  auto layer = std::make_unique<TLayer>(site);
  layer->Init(picture, &record);
  // Before the mask has cells this only records the name; no file is read.
  layer->Mask_.LoadMaskFile(record.Name + ".msk");
  layer->RefitMask();
  layer->Mask_.ReadMaskStream(maskStream);
  layer->Mask_.CollectUsedRegions();
  layer->SetTransformMode(kModeNormal);
  return layer;
}

}  // namespace lumena
