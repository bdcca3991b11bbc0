#pragma once
// The template types of the default program folder: the section
// "TEMPLATE TYPES" of the settings, the folders of the collection and the
// main window's template-type buttons (their tags are the numbers).
#include <string_view>

namespace lumena::tools {

struct DefaultTemplateType {
  int number;
  std::string_view folder;  // below the program folder
  std::string_view name;
  int level;               // layers of higher levels lie in front
  std::string_view group;  // "F" face, "N" nails, "B" body, "M" whole work
  std::string_view button;
};

inline constexpr DefaultTemplateType kDefaultTemplateTypes[] = {
    {1, "Hair", "Hairstyles", 60, "F", "ButtonHairstyles"},
    {2, "Makeup", "Blush", 20, "F", "ButtonMakeup"},
    {3, "Eyes", "Eye make-up", 25, "F", "ButtonEyes"},
    {4, "Lips", "Lips", 25, "F", "ButtonLips"},
    {5, "Nails", "Nail designs", 30, "N", "ButtonNails"},
    {6, "Jewel", "Earrings and necklaces", 50, "F", "ButtonJewellery"},
    {7, "Clothes", "Tops and collars", 10, "B", "ButtonClothes"},
    {8, "Glasses", "Glasses", 70, "F", "ButtonGlasses"},
    {9, "Hats", "Hats", 80, "F", "ButtonHats"},
    {10, "Frames", "Frames", 90, "M", "ButtonFrames"},
};

}  // namespace lumena::tools
