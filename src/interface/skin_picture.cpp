#include "interface/skin_picture.h"

#include <exception>
#include <functional>
#include <optional>

#include "images/picture_file.h"
#include "platform/stored_path.h"

namespace lumena {

namespace {

// Any failure leaves `picture` unchanged.
bool DecodeSkinFile(Picture& picture, const std::filesystem::path& path) {
  try {
    picture = LoadPictureFile(path);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

using StoredPathAt = std::function<std::string(int level)>;

bool LoadFromLevels(const InterfaceContext& context, Picture& picture, const StoredPathAt& storedAt) {
  for (int level = context.ResolutionLevel; level >= 1; --level) {
    const std::optional<std::filesystem::path> path = ResolveStoredPath(context.AppFolder, storedAt(level));
    if (path && DecodeSkinFile(picture, *path)) return true;
  }
  return false;
}

}  // namespace

bool LoadSkinPicture(const InterfaceContext& context, Picture& picture, std::string_view key,
                     std::string_view defaultFileName, bool fallback, const MessageSink& onError) {
  const std::string file = context.GetInterfaceParam(key);
  if (!file.empty() && LoadFromLevels(context, picture, [&](int level) { return context.InterfaceFile(level, file); }))
    return true;
  if (!fallback) return false;
  if (LoadFromLevels(context, picture, [&](int level) { return context.DefaultInterfaceFile(level, defaultFileName); }))
    return true;
  if (onError) onError("Cannot load bitmap from file " + std::string(defaultFileName));
  return false;
}

bool LoadSkinPicture(Picture& picture, std::string_view key, std::string_view defaultFileName, bool fallback,
                     const MessageSink& onError) {
  return LoadSkinPicture(CurrentInterface(), picture, key, defaultFileName, fallback, onError);
}

}  // namespace lumena
