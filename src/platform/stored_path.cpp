#include "platform/stored_path.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

// The names of a stored path: "\" and "/" both separate, empty names and "."
// are dropped.
std::vector<std::string> StoredComponents(std::string_view stored) {
  std::vector<std::string> names;
  std::string current;
  auto flush = [&] {
    if (!current.empty() && current != ".") names.push_back(current);
    current.clear();
  };
  for (char c : stored) {
    if (c == '\\' || c == '/')
      flush();
    else
      current += c;
  }
  flush();
  return names;
}

// The entry of `folder` named `name` without regard to case; an exact match wins.
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (name == "..") return folder.parent_path();
  if (fs::exists(folder / name, ec)) return folder / name;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (Iequals(it->path().filename().string(), name)) return it->path();
  }
  return std::nullopt;
}

// "/x", "\\x" and "C:\\x" name places outside every root.
bool IsAbsoluteStored(std::string_view stored) {
  if (!stored.empty() && (stored.front() == '/' || stored.front() == '\\')) return true;
  return stored.size() >= 2 && stored[1] == ':' && std::isalpha(static_cast<unsigned char>(stored[0]));
}

// Devices, pipes and sockets are never data files, whatever a link says.
bool IsRegularOrFolder(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  return !ec && (fs::is_regular_file(status) || fs::is_directory(status));
}

// Whether `path`, once every link is followed, still lies below `root`.
bool LiesWithin(const fs::path& root, const fs::path& path) {
  std::error_code ec;
  const fs::path realRoot = fs::canonical(root, ec);
  if (ec) return false;
  const fs::path real = fs::canonical(path, ec);
  if (ec) return false;
  return std::mismatch(realRoot.begin(), realRoot.end(), real.begin(), real.end()).first == realRoot.end();
}

fs::path StartFolder(const fs::path& root, std::string_view stored) {
  return !stored.empty() && stored.front() == '/' ? fs::path("/") : root;
}

}  // namespace

std::optional<fs::path> ResolveStoredPath(const fs::path& root, std::string_view stored) {
  if (IsAbsoluteStored(stored)) return std::nullopt;
  fs::path current = root;
  size_t depth = 0;  // names below the root
  for (const std::string& name : StoredComponents(stored)) {
    if (name == "..") {
      if (depth == 0) return std::nullopt;
      current = current.parent_path();
      --depth;
      continue;
    }
    auto next = FindEntry(current, name);
    if (!next) return std::nullopt;
    current = *next;
    ++depth;
  }
  if (!IsRegularOrFolder(current) || !LiesWithin(root, current)) return std::nullopt;
  return current;
}

fs::path MapStoredPath(const fs::path& root, std::string_view stored) {
  fs::path current = StartFolder(root, stored);
  bool matching = true;
  for (const std::string& name : StoredComponents(stored)) {
    std::optional<fs::path> next = matching ? FindEntry(current, name) : std::nullopt;
    matching = next.has_value();
    current = next ? *next : current / name;
  }
  return current;
}

std::string StoredExtension(std::string_view stored) {
  const size_t dot = stored.find_last_of('.');
  const size_t separator = stored.find_last_of("\\/");
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return "";
  return ToLower(stored.substr(dot));
}

std::string ReplaceStoredExtension(std::string_view stored, std::string_view newExtension) {
  const std::string ext = StoredExtension(stored);
  return std::string(stored.substr(0, stored.size() - ext.size())) + std::string(newExtension);
}

DataRoots::DataRoots(fs::path hdPath, fs::path cdPath, fs::path programFolder)
    : roots_{std::move(hdPath), std::move(cdPath), std::move(programFolder)} {}

std::optional<fs::path> DataRoots::Find(std::string_view stored) const {
  // An unset root searches nowhere, never the current folder.
  for (const fs::path& root : roots_)
    if (!root.empty())
      if (auto found = ResolveStoredPath(root, stored)) return found;
  return std::nullopt;
}

std::string DataRoots::StoredForm(const fs::path& real) const {
  std::string text = real.lexically_normal().string();
  for (const fs::path& root : roots_) {
    if (root.empty()) continue;
    std::string prefix = root.lexically_normal().string();
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    if (IstartsWith(text, prefix)) {
      text.erase(0, prefix.size());
      break;
    }
  }
  for (char& c : text)
    if (c == '/') c = '\\';
  return text;
}

}  // namespace lumena
