#include "platform/ini_file.h"

#include "platform/atomic_file.h"
#include "platform/data_file.h"
#include "platform/text.h"

namespace lumena {

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) return;
  const std::vector<uint8_t> bytes = ReadDataFile(path_);
  Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void IniFile::Parse(std::string_view text) {
  for (const std::string& line : SplitLines(text)) {
    const std::string_view trimmed = TrimView(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      sections_.push_back({Trim(trimmed.substr(1, trimmed.size() - 2)), {}});
      continue;
    }
    Entry entry{{}, {}, line};
    const size_t eq = line.find('=');
    if (!trimmed.empty() && trimmed.front() != ';' && eq != std::string::npos) {
      entry.key = Trim(std::string_view(line).substr(0, eq));
      entry.value = Trim(std::string_view(line).substr(eq + 1));
    }
    (sections_.empty() ? preamble_ : sections_.back().entries).push_back(std::move(entry));
  }
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (Section& s : sections_)
    if (Iequals(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const Section& s : sections_)
    if (Iequals(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Entry* IniFile::FindEntry(const Section& section, std::string_view key) {
  for (const Entry& e : section.entries)
    if (!e.key.empty() && Iequals(e.key, key)) return &e;
  return nullptr;
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniFile::KeyExists(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  return s && FindEntry(*s, key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  const Section* s = FindSection(section);
  const Entry* e = s ? FindEntry(*s, key) : nullptr;
  return e ? e->value : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  return ParseInt(ReadString(section, key, "")).value_or(defaultValue);
}

bool IniFile::ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const {
  if (!KeyExists(section, key)) return defaultValue;
  return ToUpper(ReadString(section, key, "")) == "YES";
}

std::vector<std::string> IniFile::ReadSectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (!e.key.empty()) keys.push_back(e.key);
  return keys;
}

std::vector<std::string> IniFile::ReadSectionLines(std::string_view section) const {
  std::vector<std::string> lines;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (!e.key.empty()) lines.push_back(e.key + "=" + e.value);
  return lines;
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (Entry& e : s->entries) {
    if (!e.key.empty() && Iequals(e.key, key)) {
      if (e.value != value) {
        e.value = value;
        e.raw = e.key + "=" + e.value;
        dirty_ = true;
      }
      return;
    }
  }
  // New keys go after the last key of the section, before trailing blank lines.
  auto pos = s->entries.end();
  while (pos != s->entries.begin() && std::prev(pos)->key.empty() && TrimView(std::prev(pos)->raw).empty()) --pos;
  std::string k(key);
  s->entries.insert(pos, Entry{k, std::string(value), k + "=" + std::string(value)});
  dirty_ = true;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteFlag(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "YES" : "NO");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  Section* s = FindSection(section);
  if (!s) return;
  const auto removed = std::erase_if(s->entries, [&](const Entry& e) { return !e.key.empty() && Iequals(e.key, key); });
  dirty_ = dirty_ || removed > 0;
}

void IniFile::EraseSection(std::string_view section) {
  const auto removed = std::erase_if(sections_, [&](const Section& s) { return Iequals(s.name, section); });
  dirty_ = dirty_ || removed > 0;
}

std::string IniFile::Text() const {
  std::string out;
  for (const Entry& e : preamble_) out += e.raw + "\r\n";
  for (const Section& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const Entry& e : s.entries) out += e.raw + "\r\n";
  }
  return out;
}

void IniFile::Flush() {
  if (!dirty_) return;
  WriteFileAtomically(path_, Text());
  dirty_ = false;
}

}  // namespace lumena
