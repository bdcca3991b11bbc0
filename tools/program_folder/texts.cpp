#include "texts.h"

#include <string_view>
#include <utility>

namespace lumena::tools {

namespace {

// Key and text; a "\" in a text breaks the line where it stands.
constexpr std::pair<std::string_view, std::string_view> kTexts[] = {
    {"ProductName", "Lumena"},
    {"FormMessageCaption", "Lumena"},
    {"ButtonYesHint", "Yes"},
    {"ButtonNoHint", "No"},
    {"ButtonOKHint", "OK"},
    {"ButtonCloseHint", "Cancel"},
    {"ButtonMinimizeHint", "Minimize"},
    {"ConfirmExit", "Do you really want to leave Lumena?"},
    {"ConfirmSaveSession", "Your work is not saved.\\Save it before leaving?"},
    {"ConfirmClearPrevWork", "The desk holds a work.\\Clear it first? No adds the opened layers to it."},
    {"MessageUnableLoadWork", "Unable to load work from file"},
    {"MessageUnableSaveWork", "Unable to save work to file"},
    {"MessageWorkSavedAs", "The work was saved as"},
    {"AllFilesFilterName", "All files (*.*)"},
    {"AllGraphicsFilterName", "All supported graphical formats"},
    {"BMP_GraphicFilterName", "Bitmaps (*.bmp)"},
    {"JPG_GraphicFilterName", "JPEG image files (*.jpg, *.jpeg)"},
    {"PSD_GraphicFilterName", "PhotoShop files (*.psd)"},
    {"GIF_GraphicFilterName", "CompuServe GIF images (*.gif)"},
    {"TIF_GraphicFilterName", "Tag image files (*.tif)"},
    {"PCX_GraphicFilterName", "PCX files (*.pcx)"},
    {"TGA_GraphicFilterName", "Targa images (*.tga)"},
    {"PNG_GraphicFilterName", "Portable Network Graphics (*.png)"},
    {"EPS_GraphicFilterName", "Encapsulated PostScript files (*.eps)"},
    {"WMF_GraphicFilterName", "Metafiles (*.wmf)"},
    {"AllMusicFilesFilterName", "All supported musical formats"},
    {"WAV_MusicFilterName", "Wave files (*.wav)"},
    {"MID_MusicFilterName", "Midi files (*.mid, *.midi)"},
    {"MP3_MusicFilterName", "MP3 files (*.mp3)"},
    {"UncompressedWorkFilterName", "Lumena uncompressed work (*.lmu)"},
    {"CompressedWorkFilterName", "Lumena compressed work (*.lmc)"},
    {"AllSavedWorksFilterName", "All saved works formats"},
    // The main window's hints.
    {"ButtonExitHint", "Leave Lumena"},
    {"ButtonLoadSaveHint", "Open and save works and pictures"},
    {"ButtonPrintHint", "Print"},
    {"ButtonInternet", "Internet"},
    {"ButtonMessagesHint", "Messages from the publisher"},
    {"ButtonQueriesHint", "Find templates that suit you"},
    {"ButtonSetupHint", "Settings"},
    {"ButtonHelpHint", "Help"},
    {"ButtonCatalogHint", "Catalog"},
    {"ButtonSubscribeHint", "Subscribe to the newsletter"},
    {"ButtonMoreGamesHint", "More programs"},
    {"ButtonTellaFriendHint", "Tell a friend"},
    {"ButtonTemplatePrevHint", "Previous template types"},
    {"ButtonTemplateNextHint", "More template types"},
    {"ButtonHairstylesHint", "Hairstyles"},
    {"ButtonMakeupHint", "Make-up"},
    {"ButtonEyesHint", "Eyes"},
    {"ButtonLipsHint", "Lips"},
    {"ButtonNailsHint", "Nails"},
    {"ButtonJewelleryHint", "Jewellery"},
    {"ButtonClothesHint", "Clothes"},
    {"ButtonGlassesHint", "Glasses"},
    {"ButtonHatsHint", "Hats"},
    {"ButtonColorationHint", "Colour: tint the layer"},
    {"ButtonAppearanceHint", "Appearance: brightness, contrast and opacity"},
    {"ButtonBrushHint", "Brush: paint on the layer (Shift picks a colour)"},
    {"ButtonEraserHint", "Eraser: rub the layer out"},
    {"ButtonModifierHint", "Modifier: push the layer's shape"},
    {"ButtonActionsHint", "Actions: select, move, resize and rotate layers"},
    {"ButtonPalettePrevHint", "Previous palette"},
    {"ButtonPaletteNextHint", "Next palette"},
    {"SliderPaletteColorHint", "More colours"},
    {"ButtonCurrentBrushColorHint", "Brush colour"},
    {"SliderRedColorHint", "Red"},
    {"SliderGreenColorHint", "Green"},
    {"SliderBlueColorHint", "Blue"},
    {"SliderHueHint", "Hue"},
    {"SliderSaturationHint", "Saturation"},
    {"SliderBrightnessHint", "Brightness"},
    {"SliderContrastHint", "Contrast"},
    {"SliderOpacityHint", "Opacity"},
    {"SliderBrushPowerHint", "Brush strength"},
    {"SliderBrushSizeHint", "Brush size"},
    {"SliderEraserPowerHint", "Eraser strength"},
    {"SliderEraserSizeHint", "Eraser size"},
    {"SliderModifierPowerHint", "Modifier strength"},
    {"SliderModifierSizeHint", "Modifier size"},
    {"SliderScaleHint", "Scale"},
    {"SliderHorizontalPositionHint", "Move the view left and right"},
    {"SliderVerticalPositionHint", "Move the view up and down"},
    {"ButtonLayerMoveTopHint", "Bring the layer to the front"},
    {"ButtonLayerMoveBottomHint", "Send the layer to the back"},
    {"ButtonLayerDeleteHint", "Delete the layer"},
    {"ButtonLayerHideHint", "Hide the layer"},
    {"ButtonLayerShowHint", "Show the layer"},
    {"FormMainButtonBaldHeadHint", "Bald head"},
    {"ButtonLayerRegionsHint", "Layer regions"},
    {"ButtonLayerCopyStateHint", "Copy the layer's look"},
    {"ButtonLayerPasteStateHint", "Give the layer the copied look"},
    {"ButtonLayerResetHint", "Undo every change of the layer"},
    {"ButtonLayerSaveHint", "Save the layer as a template"},
    {"ButtonLayerFlipHorizontalHint", "Flip the layer"},
    {"ButtonLayerUndoHint", "Undo"},
    {"FormMainButtonOriginalSizeHint", "Original size"},
    {"FormMainButtonCenteringHint", "Centre the view"},
    {"FormMainButtonLayerListHint", "List of layers"},
    {"FormMainButtonClearWorkHint", "Clear the work"},
    {"FormMainButtonColorCalibrationHint", "Colour calibration"},
    {"FormMainButtonPreviewHint", "Portrait preview"},
    {"FormMainButtonShoppingHint", "Shopping list"},
    {"ConfirmDeleteLayer", "Delete this layer?"},
    {"ConfirmDeleteFaceLayers", "Delete the layers on the face?"},
    {"ConfirmDeleteBodyLayers", "Delete the layers on the body?"},
    {"ConfirmDeleteHandLayers", "Delete the layers on the hand?"},
    // The portrait adjustment.
    {"FormAdjustCaption", "Adjust the picture"},
    {"FormPreviewCaption", "Your portrait"},
    {"ButtonFaceHint", "A face: put the lines through the eyes"},
    {"ButtonHandHint", "A hand: put the marks on the nails"},
    {"ButtonBodyHint", "A body: choose the part to show"},
    {"ButtonCancelHint", "Cancel"},
    {"ConfirmAdjustFace", "Use this picture as the face?"},
    {"ConfirmAdjustHand", "Use this picture as the hand?"},
    {"ConfirmAdjustBody", "Use this picture as the body?"},
    {"PortraitLayerName", "Portrait"},
    {"HandLayerName", "Hand"},
    {"BodyLayerName", "Body"},
};

}  // namespace

std::string DefaultTexts() {
  std::string text = "# Interface texts of Lumena: Key=Text; a backslash breaks the line.\r\n";
  for (const auto& [key, value] : kTexts) {
    text += key;
    text += '=';
    text += value;
    text += ";\r\n";
  }
  return text;
}

}  // namespace lumena::tools
