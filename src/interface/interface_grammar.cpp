#include "interface/interface_grammar.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

#include "platform/text.h"

namespace lumena {

namespace {

using Names = std::span<const std::string_view>;

struct TypeParams {
  std::string_view type;
  Names params;
};

constexpr std::string_view kFormMainParams[] = {
    "Skin",           "TemplateButtons", "TemplateBtnShowPos", "TemplatePreviewInfo", "PaletteBtnShowPos",
    "PaletteBtnRows", "PaletteBtnCols"};
constexpr std::string_view kSkinOnly[] = {"Skin"};
constexpr std::string_view kFormCameraParams[] = {"Skin", "Color", "Left", "Top", "CapWinX", "CapWinY"};
constexpr std::string_view kFormPreviewParams[] = {"Skin", "Color", "Left", "Top", "LockResImage"};
constexpr std::string_view kFormParams[] = {"Skin", "Color", "Left", "Top"};

constexpr std::string_view kOrdinaryForms[] = {"TFormLoadSave",
                                               "TFormTips",
                                               "TFormMessage",
                                               "TFormTemplates",
                                               "TFormSetup",
                                               "TFormLayers",
                                               "TFormAdjust",
                                               "TFormHelp",
                                               "TFormPrint",
                                               "TFormEmail",
                                               "TFormQueries",
                                               "TFormMask",
                                               "TFormInetModes",
                                               "TFormDownloadElements",
                                               "TFormInetReg",
                                               "TFormToGallery",
                                               "TFormFromGallery",
                                               "TFormLayerRegions",
                                               "TFormLayerRegionEdit",
                                               "TFormPostCard",
                                               "TFormPostCardText",
                                               "TFormPostCardBack",
                                               "TFormColorCalibration",
                                               "TFormPublisherMessages",
                                               "TFormPassword",
                                               "TFormBaldHead",
                                               "TFormChatReg",
                                               "TFormChat",
                                               "TFormTalk",
                                               "TFormVideo",
                                               "TFormShopList",
                                               "TFormLayerSave",
                                               "TFormCatalog",
                                               "TFormVideoClip",
                                               "TFormAlbum",
                                               "TForm3DTemplate"};

constexpr TypeParams kSpecialForms[] = {
    {"TFormMain", kFormMainParams},
    {"TFormMontage", kSkinOnly},
    {"TFormCamera", kFormCameraParams},
    {"TFormPreview", kFormPreviewParams},
};

constexpr std::string_view kButtonParams[] = {"Left",   "Top",      "Width",     "Height", "Visible",    "ResLeft",
                                              "ResTop", "ResWidth", "ResHeight", "Tag",    "ActiveAlpha"};
constexpr std::string_view kSliderParams[] = {
    "Left",      "Top",          "Width",       "Height",      "Visible",   "ResLeft",     "ResTop",       "ResWidth",
    "ResHeight", "ResImageLeft", "ResImageTop", "BeginOffset", "EndOffset", "SlideBtnTop", "SlideBtnLeft", "Reversed"};
constexpr std::string_view kPanelParams[] = {"Left", "Top", "Width", "Height", "Visible", "Color"};
constexpr std::string_view kImageParams[] = {"Left", "Top", "Width", "Height", "Visible"};
constexpr std::string_view kTextParams[] = {"Left",    "Top",      "Width",    "Height",
                                            "Visible", "FontName", "FontSize", "FontColor"};
constexpr std::string_view kCaptionBarParams[] = {"Left",     "Top",      "Width",    "Height",
                                                  "FontName", "FontSize", "FontColor"};
constexpr std::string_view kListParams[] = {"Left",  "Top",      "Width",    "Height",   "Visible",
                                            "Color", "FontName", "FontSize", "FontColor"};
constexpr std::string_view kTaggedParams[] = {"Left", "Top", "Width", "Height", "Visible", "Tag"};
constexpr std::string_view kViewerParams[] = {"Left", "Top",      "Width",    "Height",   "Visible",
                                              "Tag",  "FontName", "FontSize", "FontColor"};
constexpr std::string_view kBoundsParams[] = {"Left", "Top", "Width", "Height"};
constexpr std::string_view kSoundHintParams[] = {"HintBgColor", "HintTextColor"};

constexpr TypeParams kObjectTypes[] = {
    {"TGraphicButton", kButtonParams}, {"TGraphicSlider", kSliderParams},
    {"TPanel", kPanelParams},          {"TImage", kImageParams},
    {"TLabel", kTextParams},           {"TEdit", kTextParams},
    {"TDateEdit", kTextParams},        {"TCaptionBar", kCaptionBarParams},
    {"TListBox", kListParams},         {"TCheckListBox", kListParams},
    {"TComboBox", kListParams},        {"TScrollBox", kListParams},
    {"TProgressBar", kTaggedParams},   {"THTMLViewer", kViewerParams},
    {"TTreeView", kTaggedParams},      {"TButton", kBoundsParams},
    {"TRadioGroup", kBoundsParams},    {"TMemo", kBoundsParams},
    {"TStringGrid", kBoundsParams},    {"TFileListBox", kBoundsParams},
    {"TGroupBox", kBoundsParams},      {"TSoundHint", kSoundHintParams},
    {"TDrawGrid", kBoundsParams},
};

bool Contains(Names names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return Iequals(n, name); });
}

const TypeParams* Find(std::span<const TypeParams> table, std::string_view type) {
  auto it = std::find_if(table.begin(), table.end(), [&](const TypeParams& t) { return Iequals(t.type, type); });
  return it == table.end() ? nullptr : &*it;
}

Names SectionParams(std::string_view type) {
  if (const TypeParams* special = Find(kSpecialForms, type)) return special->params;
  if (Contains(kOrdinaryForms, type)) return kFormParams;
  return {};
}

}  // namespace

bool IsValidSectionType(std::string_view type) {
  return Find(kSpecialForms, type) != nullptr || Contains(kOrdinaryForms, type);
}

bool IsValidObjectType(std::string_view type) { return Find(kObjectTypes, type) != nullptr; }

bool IsValidSectionParam(std::string_view sectionType, std::string_view param) {
  return Contains(SectionParams(sectionType), param);
}

bool IsValidObjectParam(std::string_view objectType, std::string_view param) {
  const TypeParams* object = Find(kObjectTypes, objectType);
  return object != nullptr && Contains(object->params, param);
}

}  // namespace lumena
