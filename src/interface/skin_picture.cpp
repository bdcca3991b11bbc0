#include "interface/skin_picture.h"

#include <exception>
#include <functional>
#include <optional>

#include "images/element_picture.h"
#include "images/library_picture.h"
#include "platform/stored_path.h"

namespace lumena {

namespace {

bool IsElementPicture(std::string_view storedName) {
  const std::string ext = storedExtension(storedName);
  return ext == ".psd" || ext == ".fll" || ext == ".fcc";
}

using StoredPathAt = std::function<std::string(int level)>;

bool LoadFromLevels(const InterfaceContext& context, Picture& picture, std::string_view fileName,
                    const StoredPathAt& storedAt) {
  for (int level = context.ResolutionLevel; level >= 1; --level) {
    const std::optional<std::filesystem::path> path = resolveStoredPath(context.AppFolder, storedAt(level));
    if (path && DecodeSkinFile(picture, *path, fileName)) return true;
  }
  return false;
}

}  // namespace

bool DecodeSkinFile(Picture& picture, const std::filesystem::path& path, std::string_view storedName) {
  Picture decoded;
  try {
    if (IsElementPicture(storedName))
      LoadElementPicture(decoded, path);
    else if (LoadPictureThroughLibrary(decoded, path) != 1)
      return false;
  } catch (const std::exception&) {
    return false;
  }
  // Damaged compressed element pictures decode to nothing without an error.
  if (decoded.empty()) return false;
  picture = std::move(decoded);
  return true;
}

bool LoadSkinPicture(const InterfaceContext& context, Picture& picture, std::string_view key,
                     std::string_view defaultFileName, bool fallback, const MessageSink& onError) {
  const std::string file = context.GetInterfaceParam(key);
  if (!file.empty() &&
      LoadFromLevels(context, picture, file, [&](int level) { return context.InterfaceFile(level, file); }))
    return true;
  if (!fallback) return false;
  if (LoadFromLevels(context, picture, defaultFileName,
                     [&](int level) { return context.DefaultInterfaceFile(level, defaultFileName); }))
    return true;
  if (onError) onError("Cannot load bitmap from file " + std::string(defaultFileName));
  return false;
}

bool LoadSkinPicture(Picture& picture, std::string_view key, std::string_view defaultFileName, bool fallback,
                     const MessageSink& onError) {
  return LoadSkinPicture(CurrentInterface(), picture, key, defaultFileName, fallback, onError);
}

}  // namespace lumena
