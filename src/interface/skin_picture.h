#pragma once
// Skin pictures: a picture named by an interface key, looked for in the
// resolution folders of the chosen interface, then under its default name in
// the DEFAULT interface.
#include <filesystem>
#include <string_view>

#include "images/picture.h"
#include "interface/interface_context.h"

namespace lumena {

// False when nothing loaded; the picture is then left as it was. With
// `fallback`, the DEFAULT interface is searched for `defaultFileName` and a
// final failure reports "Cannot load bitmap from file <defaultFileName>"
// through `onError`; without it a failure is silent.
bool LoadSkinPicture(const InterfaceContext& context, Picture& picture, std::string_view key,
                     std::string_view defaultFileName, bool fallback, const MessageSink& onError);
// The same in CurrentInterface().
bool LoadSkinPicture(Picture& picture, std::string_view key, std::string_view defaultFileName, bool fallback,
                     const MessageSink& onError);

}  // namespace lumena
