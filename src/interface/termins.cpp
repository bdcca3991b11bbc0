#include "interface/termins.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/text_file.h"

namespace lumena {

std::optional<TTermin> ParseTerminLine(std::string_view line) {
  if (TrimView(line).empty() || line.front() == '#') return std::nullopt;
  const size_t equals = line.find('=');
  const size_t textStart = equals == std::string_view::npos ? 0 : equals + 1;
  TTermin termin;
  if (equals != std::string_view::npos) termin.Key = std::string(line.substr(0, equals));
  std::string_view text = line.substr(textStart);
  termin.Text = std::string(text.substr(0, text.find(';')));
  if (const size_t slash = termin.Text.find('\\'); slash != std::string::npos) termin.Text[slash] = '\r';
  return termin;
}

bool LoadTermins(const std::filesystem::path& path, std::vector<TTermin>& list) {
  try {
    TextFile file = OpenTextFileChecked(path, TextFileMode::Read);
    for (std::string line; file.ReadLine(line);)
      if (std::optional<TTermin> termin = ParseTerminLine(line)) list.push_back(std::move(*termin));
  } catch (const EFileError&) {
    return false;
  }
  return true;
}

std::string GetTermin(std::string_view key, std::span<const TTermin> list, std::string_view defaultText) {
  auto it = std::find_if(list.begin(), list.end(), [&](const TTermin& t) { return t.Key == key; });
  return it == list.end() ? std::string(defaultText) : it->Text;
}

}  // namespace lumena
