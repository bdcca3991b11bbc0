#include "platform/stored_path.h"

#include <system_error>

#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

// The names of a stored path: "\" and "/" both separate, empty names and "."
// are dropped.
std::vector<std::string> storedComponents(std::string_view stored) {
  std::vector<std::string> names;
  std::string current;
  auto flush = [&] {
    if (!current.empty() && current != ".") names.push_back(current);
    current.clear();
  };
  for (char c : stored) {
    if (c == '\\' || c == '/') flush();
    else current += c;
  }
  flush();
  return names;
}

// The entry of `folder` named `name` without regard to case; an exact match wins.
std::optional<fs::path> findEntry(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (name == "..") return folder.parent_path();
  if (fs::exists(folder / name, ec)) return folder / name;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (iequals(it->path().filename().string(), name)) return it->path();
  }
  return std::nullopt;
}

fs::path startFolder(const fs::path& root, std::string_view stored) {
  return !stored.empty() && stored.front() == '/' ? fs::path("/") : root;
}

}  // namespace

std::optional<fs::path> resolveStoredPath(const fs::path& root, std::string_view stored) {
  fs::path current = startFolder(root, stored);
  for (const std::string& name : storedComponents(stored)) {
    auto next = findEntry(current, name);
    if (!next) return std::nullopt;
    current = *next;
  }
  std::error_code ec;
  if (!fs::exists(current, ec)) return std::nullopt;
  return current;
}

fs::path mapStoredPath(const fs::path& root, std::string_view stored) {
  fs::path current = startFolder(root, stored);
  bool matching = true;
  for (const std::string& name : storedComponents(stored)) {
    std::optional<fs::path> next = matching ? findEntry(current, name) : std::nullopt;
    matching = next.has_value();
    current = next ? *next : current / name;
  }
  return current;
}

std::string storedExtension(std::string_view stored) {
  const size_t dot = stored.find_last_of('.');
  const size_t separator = stored.find_last_of("\\/");
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return "";
  return toLower(stored.substr(dot));
}

std::string replaceStoredExtension(std::string_view stored, std::string_view newExtension) {
  const std::string ext = storedExtension(stored);
  return std::string(stored.substr(0, stored.size() - ext.size())) + std::string(newExtension);
}

DataRoots::DataRoots(fs::path hdPath, fs::path cdPath, fs::path programFolder)
    : roots_{std::move(hdPath), std::move(cdPath), std::move(programFolder)} {}

std::optional<fs::path> DataRoots::find(std::string_view stored) const {
  for (const fs::path& root : roots_)
    if (auto found = resolveStoredPath(root, stored)) return found;
  return std::nullopt;
}

std::string DataRoots::storedForm(const fs::path& real) const {
  std::string text = real.lexically_normal().string();
  for (const fs::path& root : roots_) {
    std::string prefix = root.lexically_normal().string();
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    if (istartsWith(text, prefix)) {
      text.erase(0, prefix.size());
      break;
    }
  }
  for (char& c : text)
    if (c == '/') c = '\\';
  return text;
}

}  // namespace lumena
