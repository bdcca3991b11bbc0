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
