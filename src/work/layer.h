#pragma once
// A layer of the work: one picture with its placement, colour parameters,
// mask of regions, renderings and undo history.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "images/picture.h"
#include "work/colouring_parameters.h"
#include "work/layer_record.h"
#include "work/layer_rendering.h"
#include "work/layer_site.h"
#include "work/mask.h"
#include "work/undo.h"

namespace lumena {

class DataRoots;

enum TransformMode : uint8_t {
  kModeNone = 0,  // after undoing a rotation in another mode
  kModeNormal = 1,
  kModeResized = 2,
  kModeModified = 3,
  kModePainted = 4,
  kModeErased = 5,
  kModeRotated = 6,
  kModeCalibrated = 7,
  kModeBald = 8,
  kModeFlipped = 9,
};

// The display name and template type a layer made without a record takes.
struct LayerIdentity {
  std::string DisplayName;
  int32_t TemplateType = -1;
};

class TLayer {
 public:
  explicit TLayer(LayerSite& site);
  TLayer(const TLayer&) = delete;
  TLayer& operator=(const TLayer&) = delete;

  // The portrait layer: the picture made opaque unless it came with its own
  // alpha channel; the mask file "<Name>.msk" is tried.
  static std::unique_ptr<TLayer> CreateFromPicture(LayerSite& site, const Picture& picture, std::string displayName,
                                                   bool pictureHasAlpha);
  // A template element from a ".psd", ".fll" or ".fcc" file (any other
  // extension is read through the imaging library), with the ".msk" file
  // beside it. Throws the reader's error.
  static std::unique_ptr<TLayer> CreateFromFile(LayerSite& site, const std::filesystem::path& file,
                                                const DataRoots& roots, const LayerIdentity& identity);

  // A layer stored in a work file: its picture, its record and its mask
  // stream (the work file's mask format). The record's name is kept unless
  // a layer of that name is on the desk already; the mask's file name is
  // the record's name plus ".msk".
  static std::unique_ptr<TLayer> CreateFromStored(LayerSite& site, const Picture& picture, const TLayerRecord& record,
                                                  std::span<const uint8_t> maskStream);

  // Takes a copy of the picture; fields from the record, or the defaults
  // with a fresh name and the identity given.
  void Init(const Picture& picture, const TLayerRecord* record, const LayerIdentity& identity = {});
  TLayerRecord Record() const;

  // --- Fields.
  const std::string& Name() const { return Name_; }
  const std::string& DisplayName() const { return DisplayName_; }
  const std::string& SourcePath() const { return SourcePath_; }
  void SetSourcePath(std::string path) { SourcePath_ = std::move(path); }
  int32_t TemplateType() const { return TemplateType_; }
  void SetTemplateType(int32_t type) { TemplateType_ = type; }
  // "???" without a type, else "F", "B" or "N" (other letters count as "F").
  std::string GroupLetter() const;

  bool Visible() const { return Visible_; }
  const ColourParameters& Params() const { return Params_; }
  int32_t Depth() const { return Depth_; }
  int32_t X() const { return X_; }
  int32_t Y() const { return Y_; }
  // Sets the position alone; the caller renders and repaints.
  void SetPosition(int32_t x, int32_t y);
  int32_t Angle() const { return Angle_; }
  int32_t PivotX() const { return PivotX_; }
  int32_t PivotY() const { return PivotY_; }
  uint8_t TransformMode() const { return TransformMode_; }

  Picture& WorkPicture() { return WorkPicture_; }
  const Picture& WorkPicture() const { return WorkPicture_; }
  Picture& BasePicture() { return BasePicture_; }
  const Picture& BasePicture() const { return BasePicture_; }
  TMask& Mask() { return Mask_; }
  const TMask& Mask() const { return Mask_; }
  TUndoList& UndoList() { return UndoList_; }
  const TUndoList& UndoList() const { return UndoList_; }

  // Of the working picture; -1 without one.
  int32_t WidthOf() const;
  int32_t HeightOf() const;
  // Resize the working picture without resampling (content kept at the
  // top-left); negative values are ignored.
  void SetWidth(int32_t width);
  void SetHeight(int32_t height);
  // The table rectangle the layer covers.
  Rect TableRect() const;
  bool Contains(int32_t tableX, int32_t tableY) const;

  // The parameters the sliders show: the current region's or the layer's.
  const ColourParameters& ShownValues() const;

  // --- Setters: nothing when unchanged; otherwise store, record the
  // editing action, re-render when the look changes and repaint.
  void SetVisible(bool visible);
  void SetParameter(ColourField field, int32_t value);
  void SetDepth(int32_t depth) { Depth_ = depth; }

  // A colour slider or the palette: the current region's parameter when a
  // region is current, else the layer's; one undo record per drag.
  void EditParameter(ColourField field, int32_t value);
  // The copy-state buffer's nine parameters.
  void PasteState(const ColourParameters& parameters);

  // --- Placement and shape.
  void MoveBy(int32_t dx, int32_t dy);
  // Degrees; angle mod 360 keeps its sign. Throws ELayerTooLarge, leaving
  // the layer as it was, when the rotated picture would exceed the caps.
  void RotateTo(int32_t angle);
  void FlipHorizontal();
  // A resizing drag: the layer takes the table rectangle, its picture
  // stretched from BasePicture by the nearest pixel (fast); one undo record
  // per drag.
  void ResizeDuringDrag(const Rect& table);
  // The drag's end: the picture is stretched again, bilinearly.
  void FinishResize();
  // A laid nail template takes its nail's size: the resized mode without a
  // new snapshot, the picture stretched bilinearly, the mask refitted.
  void StretchTo(int32_t width, int32_t height);
  // A new mode snapshots BasePicture; leaving the rotated mode drops the angle.
  void SetTransformMode(uint8_t mode);

  // --- Undo.
  // With `once`, a record is made only when the undo-pending flag was set.
  // Returns the record made, if any.
  TUndoRecord* PushUndo(UndoKind kind, bool once = false);
  // Undoing a rotation rotates again: it may throw ELayerTooLarge.
  void Undo();
  void Reset();
  // At the end of a rotating drag: the newest Rotate record keeps the
  // rotation the drag made.
  void EndRotationDrag();

  // --- Renderings.
  LayerRendering& DeskRendering() { return DeskRendering_; }
  const LayerRendering& DeskRendering() const { return DeskRendering_; }
  LayerRendering& FullRendering() { return FullRendering_; }
  const LayerRendering& FullRendering() const { return FullRendering_; }
  void RenderDesk();
  // At scale 1 against an area of the table (the full work image's).
  void RenderFull(const Rect& area);
  // The whole layer at scale 1, into the desk rendering.
  void RenderTemplate();
  // Recompose and show the desk rendering's area.
  void Repaint();
  // After a change of the desk rendering: recompose and show both areas.
  void RepaintUnion(const Rect& oldArea);

 private:
  RenderInput MakeRenderInput() const { return {WorkPicture_, X_, Y_, Params_, Mask_}; }
  void FillUndoRecord(TUndoRecord& record, UndoKind kind) const;
  // One record; true when it was a RegionReset record.
  bool UndoRecord(TUndoRecord& record);
  bool RestoreParameters(const TUndoRecord& record);
  bool RestorePlacement(const TUndoRecord& record);
  void RefitMask();
  void StretchFromBase(int32_t width, int32_t height);
  void MirrorWorkPicture();
  void AttachRegionCallback();
  void PlaceDeskRendering();

  LayerSite* Site_;
  bool Visible_ = true;
  ColourParameters Params_;
  int32_t Depth_ = 0;
  int32_t Angle_ = 0;
  Picture WorkPicture_;
  Picture BasePicture_;
  int32_t PivotX_ = -1, PivotY_ = -1;
  uint8_t TransformMode_ = kModeNormal;
  LayerRendering DeskRendering_;
  LayerRendering FullRendering_;
  TMask Mask_;
  int32_t X_ = 0, Y_ = 0;
  std::string Name_;
  std::string DisplayName_;
  std::string SourcePath_;
  int32_t TemplateType_ = -1;
  TUndoList UndoList_;
};

}  // namespace lumena
