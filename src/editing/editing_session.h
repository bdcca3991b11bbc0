#pragma once
// The user's actions on a work, one function each, free of windows: the
// main window's buttons and keys and the desk's mouse all call these. Each
// asks what it must through EditingQuestions, records the action and groups
// the undo; the windows repaint on the desk's notifications.
#include <cstdint>
#include <optional>

#include "editing/editing_questions.h"
#include "editing/layer_mode.h"
#include "editing/region_edit.h"
#include "work/colouring_parameters.h"
#include "work/region_cut.h"
#include "work/work_desk.h"

namespace lumena {

class EditingSession {
 public:
  EditingSession(TWorkDesk& desk, EditingQuestions& questions);

  TWorkDesk& Desk() const { return desk_; }
  LayerMode Mode() const { return mode_; }
  // False when the mode is already chosen. Entering Modify gives the desk a
  // displacement field at zero; leaving it releases the field.
  bool SetLayerMode(LayerMode mode);

  // --- Layer commands on the active layer; nothing happens without one.
  void MoveActiveToFront();
  void MoveActiveToBack();
  // Asks "ConfirmDeleteLayer" with the layer's name.
  void DeleteActive();
  void DeleteLayerAt(int index);
  void ToggleActiveVisible();
  void UndoActive();
  void ResetActive();
  void FlipActive();
  // Ctrl + arrow: moves by (dx, dy) table pixels; a run of key moves makes
  // one undo record.
  void NudgeActive(int32_t dx, int32_t dy);
  // A colour, opacity or region slider: the current region's parameter when
  // a region is current, else the layer's.
  void ChangeParameter(ColourField field, int32_t value);

  // --- The layers list.
  // Makes the layer at `index` the active one; nothing when it already is.
  void ActivateLayer(int index);
  // Moves the layer at `from` to `to` in the stacking order; a layer dropped
  // on itself stays.
  void ReorderLayer(int from, int to);

  // --- The copy-state buffer: the nine parameters of a layer.
  void CopyState();
  void PasteState();
  bool HasCopiedState() const { return copiedState_.has_value(); }

  // --- The palette: a swatch's colour (red + green * 256 + blue * 65536).
  // In the Paint mode it becomes `brushColour`. Otherwise it tints the
  // active layer's current region (an undo record every time, even for the
  // same colour) or, without one, the layer (only when it differs).
  void ApplyPaletteColour(uint32_t colour, Pixel& brushColour);

  // Asks for the face, body and hand groups in this order, each only when a
  // layer of it is on the desk, and deletes those answered Yes. The
  // portrait, hand and body layers stay.
  void ClearWorkByGroups();

  // --- The reference layer an adjusted picture makes.
  enum class ReferenceKind { Face, Hand, Body };
  // Asks whether to use the picture as that kind ("ConfirmAdjustFace",
  // "...Hand", "...Body") and, with layers on the desk, whether to clear the
  // work first; replaces the desk's layer of that kind with one made of the
  // picture, centred on the table, and makes it the active layer. Its
  // position on the table, or nothing when the user said No.
  std::optional<Point> LayReferenceLayer(ReferenceKind kind, const Picture& picture, std::string displayName,
                                         bool pictureHasAlpha);

  // A template's layer, made and placed: rendered, inserted in front of the
  // layers of its depth, recorded as a template laid and made the active
  // layer.
  TLayer& AddTemplateLayer(std::unique_ptr<TLayer> layer);

  // --- Layer regions.
  // Makes a region of the layer current (0: none); the sliders follow it.
  void ChooseRegion(TLayer& layer, int region);
  // Writes the editor's region back into its layer, re-renders the layer
  // and records the action. False, changing nothing, when the layer has
  // left the desk or changed size since the editor opened.
  bool CommitRegionEdit(const RegionEdit& edit);
  // The region's visible pixels for saving as a template; nothing when
  // none of its pixels shows.
  std::optional<RegionCut> CutRegionOf(const TLayer& layer, int region) const;

 private:
  TWorkDesk& desk_;
  EditingQuestions& questions_;
  LayerMode mode_ = LayerMode::None;
  std::optional<ColourParameters> copiedState_;
};

}  // namespace lumena
