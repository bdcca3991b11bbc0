#include "platform/ini_file.h"

#include <stdexcept>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/data_file.h"
#include "platform/text.h"

namespace lumena {

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) return;
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadDataFile(path_);
  } catch (const std::system_error&) {
    throw std::runtime_error("Cannot read " + path_.string());
  }
  parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void IniFile::parse(std::string_view text) {
  for (const std::string& line : splitLines(text)) {
    const std::string_view trimmed = trimView(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      sections_.push_back({trim(trimmed.substr(1, trimmed.size() - 2)), {}});
      continue;
    }
    Entry entry{{}, {}, line};
    const size_t eq = line.find('=');
    if (!trimmed.empty() && trimmed.front() != ';' && eq != std::string::npos) {
      entry.key = trim(std::string_view(line).substr(0, eq));
      entry.value = trim(std::string_view(line).substr(eq + 1));
    }
    (sections_.empty() ? preamble_ : sections_.back().entries).push_back(std::move(entry));
  }
}

IniFile::Section* IniFile::findSection(std::string_view name) {
  for (Section& s : sections_)
    if (iequals(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
  for (const Section& s : sections_)
    if (iequals(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Entry* IniFile::findEntry(const Section& section, std::string_view key) {
  for (const Entry& e : section.entries)
    if (!e.key.empty() && iequals(e.key, key)) return &e;
  return nullptr;
}

bool IniFile::sectionExists(std::string_view section) const { return findSection(section) != nullptr; }

bool IniFile::keyExists(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  return s && findEntry(*s, key);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  const Section* s = findSection(section);
  const Entry* e = s ? findEntry(*s, key) : nullptr;
  return e ? e->value : std::string(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
  return parseInt(readString(section, key, "")).value_or(defaultValue);
}

bool IniFile::readFlag(std::string_view section, std::string_view key, bool defaultValue) const {
  if (!keyExists(section, key)) return defaultValue;
  return toUpper(readString(section, key, "")) == "YES";
}

std::vector<std::string> IniFile::readSectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = findSection(section))
    for (const Entry& e : s->entries)
      if (!e.key.empty()) keys.push_back(e.key);
  return keys;
}

std::vector<std::string> IniFile::readSectionLines(std::string_view section) const {
  std::vector<std::string> lines;
  if (const Section* s = findSection(section))
    for (const Entry& e : s->entries)
      if (!e.key.empty()) lines.push_back(e.key + "=" + e.value);
  return lines;
}

std::vector<std::string> IniFile::sectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = findSection(section);
  if (!s) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (Entry& e : s->entries) {
    if (!e.key.empty() && iequals(e.key, key)) {
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
  while (pos != s->entries.begin() && std::prev(pos)->key.empty() && trimView(std::prev(pos)->raw).empty()) --pos;
  std::string k(key);
  s->entries.insert(pos, Entry{k, std::string(value), k + "=" + std::string(value)});
  dirty_ = true;
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeFlag(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "YES" : "NO");
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
  Section* s = findSection(section);
  if (!s) return;
  const auto removed = std::erase_if(s->entries, [&](const Entry& e) { return !e.key.empty() && iequals(e.key, key); });
  dirty_ = dirty_ || removed > 0;
}

void IniFile::eraseSection(std::string_view section) {
  const auto removed = std::erase_if(sections_, [&](const Section& s) { return iequals(s.name, section); });
  dirty_ = dirty_ || removed > 0;
}

std::string IniFile::text() const {
  std::string out;
  for (const Entry& e : preamble_) out += e.raw + "\r\n";
  for (const Section& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const Entry& e : s.entries) out += e.raw + "\r\n";
  }
  return out;
}

void IniFile::flush() {
  if (!dirty_) return;
  writeFileAtomically(path_, text());
  dirty_ = false;
}

}  // namespace lumena
