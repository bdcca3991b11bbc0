#include "settings_text.h"

#include "default_template_types.h"

namespace lumena::tools {

namespace {

// number;folder;name;level;group; for each type.
std::string TemplateTypesSection() {
  std::string text = "[TEMPLATE TYPES]\r\n";
  for (const DefaultTemplateType& t : kDefaultTemplateTypes)
    text += "Type" + std::to_string(t.number) + "=" + std::to_string(t.number) + ";" + std::string(t.folder) + ";" +
            std::string(t.name) + ";" + std::to_string(t.level) + ";" + std::string(t.group) + ";\r\n";
  return text + "\r\n";
}

}  // namespace

std::string DefaultSettingsText() {
  return std::string(
             "; Product settings of Lumena. Flags are YES or NO.\r\n"
             "[Intro Video]\r\n"
             "Logo=Logo.jpg;1500\r\n"
             "\r\n"
             "[TYPES REGISTRATION]\r\n"
             "LMTypeRegistered=NO\r\n"
             "LMCmpTypeName=Lumena compressed work\r\n"
             "LMUnCmpTypeName=Lumena work\r\n"
             "\r\n"
             "[DIRECTORIES]\r\n"
             "InterfaceDirName=Intfaces ; skins and layouts\r\n"
             "LoadImageDirName=ImageIn ; portraits to open\r\n"
             "SaveImageDirName=ImageOut ; exported pictures\r\n"
             "LoadWorkDirName=Works\r\n"
             "SaveWorkDirName=Works\r\n"
             "MusicFilesDirName=Music\r\n"
             "SoundFilesDirName=Sound\r\n"
             "QueriesDirName=Queries\r\n"
             "HelpDirName=Help\r\n"
             "TipsDirName=Tips\r\n"
             "CatalogDirName=Catalog\r\n"
             "\r\n"
             "[INTERFACES]\r\n"
             "Interface1=DEFAULT;Lumena;1;\r\n"
             "\r\n"
             "[CALIBRATION COLOR]\r\n"
             "Red=252\r\n"
             "Green=217\r\n"
             "Blue=188\r\n"
             "\r\n"
             "[MAIL]\r\n"
             "Server=\r\n"
             "Port=25\r\n"
             "\r\n"
             "[PRINT]\r\n"
             "LeftRightMargin=5\r\n"
             "TopBottomMargin=10\r\n"
             "\r\n"
             "[TIPS]\r\n"
             "ShowTips=NO\r\n"
             "\r\n"
             "[MUSIC]\r\n"
             "PlayMusic=NO\r\n"
             "\r\n"
             "[SOUND]\r\n"
             "PlaySound=NO\r\n"
             "\r\n"
             "[REGISTRY]\r\n"
             "RegName=Lumena 5.10\r\n"
             "\r\n"
             "[Publisher Links]\r\n"
             "AfterExitURL=\r\n"
             "PublisherPBC=\r\n"
             "SubscribeURL=\r\n"
             "MoreGamesURL=\r\n"
             "TellaFriendURL=\r\n"
             "\r\n") +
         TemplateTypesSection();
}

}  // namespace lumena::tools
