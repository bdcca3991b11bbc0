#include "interface/interface_parser.h"

#include "interface/interface_errors.h"
#include "interface/interface_grammar.h"
#include "platform/interface_token.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace lumena {

namespace {

bool EndsHere(std::string_view rest) { return rest.empty() || rest.front() == '#'; }

std::string Quoted(std::string_view name) { return "<" + std::string(name) + ">"; }

}  // namespace

void InterfaceDescriptionParser::ParseLine(std::string_view line, std::vector<TParamInfoRecord>& out) {
  ++line_;
  const std::string_view text = TrimView(line);
  if (EndsHere(text)) return;
  const InterfaceToken first = NextInterfaceToken(text);
  const std::string keyword = ToUpper(first.text);
  const std::string_view rest = DeleteUsedAndTrim(text, first.used);
  if (keyword == "SECTION")
    ParseSection(rest);
  else if (keyword == "OBJECT")
    ParseObject(rest);
  else if (keyword == "END")
    ParseEnd();
  else
    ParseAssignments(text, out);
}

void InterfaceDescriptionParser::ParseOpening(std::string_view rest, std::string_view kind,
                                              bool (*validType)(std::string_view), Open& entry,
                                              const std::function<void(const std::string& name)>& checkPlace) {
  const std::string what(kind);
  const InterfaceToken name = NextInterfaceToken(rest);
  if (name.text.empty()) Fail(what + " name is missing");
  checkPlace(name.text);
  entry.name = name.text;
  const InterfaceToken type = NextInterfaceToken(DeleteUsedAndTrim(rest, name.used));
  if (type.text.empty()) Fail(what + " type is missing");
  if (!validType(type.text)) Fail(what + " type " + Quoted(type.text) + " is not valid");
  entry.type = type.text;
}

void InterfaceDescriptionParser::ParseSection(std::string_view rest) {
  ParseOpening(rest, "Section", IsValidSectionType, section_, [this](const std::string& name) {
    if (section_.IsOpen()) Fail("Nested section descriptions: " + Quoted(name) + " in " + Quoted(section_.name));
  });
}

void InterfaceDescriptionParser::ParseObject(std::string_view rest) {
  ParseOpening(rest, "Object", IsValidObjectType, object_, [this](const std::string& name) {
    if (!section_.IsOpen()) Fail("Object " + Quoted(name) + " is described outside any section");
    if (object_.IsOpen()) Fail("Nested object descriptions: " + Quoted(name) + " in " + Quoted(object_.name));
  });
}

void InterfaceDescriptionParser::ParseEnd() {
  if (object_.IsOpen())
    object_.Close();
  else if (section_.IsOpen())
    section_.Close();
  else
    Fail("Unnecessary END encountered");
}

void InterfaceDescriptionParser::ParseAssignments(std::string_view rest, std::vector<TParamInfoRecord>& out) {
  while (!EndsHere(rest)) {
    const InterfaceToken name = NextInterfaceToken(rest);
    if (name.text.empty()) return;
    CheckParam(name.text);
    rest = DeleteUsedAndTrim(rest, name.used);
    if (EndsHere(rest)) Fail("Unaccomplished expression encountered");
    if (rest.front() != '=') Fail("After parameter " + Quoted(name.text) + " equality sign is missing");
    rest = DeleteUsedAndTrim(rest, 1);
    if (EndsHere(rest)) Fail("Unaccomplished expression encountered");
    const InterfaceToken value = NextInterfaceToken(rest);
    if (value.text.empty()) Fail("After equality sign parameter value is missing");
    out.push_back({ToUpper(section_.name), ToUpper(object_.name), ToUpper(name.text), value.text});
    rest = DeleteUsedAndTrim(rest, value.used);
    if (EndsHere(rest)) return;
    if (rest.front() != ';')
      Fail("After value " + Quoted(value.text) + " of parameter " + Quoted(name.text) +
           " expression delimiter <;> is missing");
    rest = DeleteUsedAndTrim(rest, 1);
  }
}

void InterfaceDescriptionParser::CheckParam(const std::string& name) const {
  if (object_.IsOpen()) {
    if (!IsValidObjectParam(object_.type, name))
      Fail("Parameter " + Quoted(name) + " is not a valid parameter for object of type " + Quoted(object_.type));
  } else if (section_.IsOpen()) {
    if (!IsValidSectionParam(section_.type, name))
      Fail("Parameter " + Quoted(name) + " is not a valid parameter for section of type " + Quoted(section_.type));
  }
}

void InterfaceDescriptionParser::Fail(const std::string& message) const { throw EErrorInInfoFile(line_, message); }

std::vector<TParamInfoRecord> ParseInterfaceLines(std::span<const std::string> lines) {
  InterfaceDescriptionParser parser;
  std::vector<TParamInfoRecord> records;
  for (const std::string& line : lines) parser.ParseLine(line, records);
  return records;
}

std::vector<TParamInfoRecord> ParseInterfaceText(std::string_view text) {
  return ParseInterfaceLines(SplitLines(text));
}

std::vector<TParamInfoRecord> ParseInterfaceFile(const std::filesystem::path& path) {
  TextFile file = OpenTextFileChecked(path, TextFileMode::Read);
  return ParseInterfaceFile(file);
}

std::vector<TParamInfoRecord> ParseInterfaceFile(TextFile& file) {
  InterfaceDescriptionParser parser;
  std::vector<TParamInfoRecord> records;
  for (std::string line; file.ReadLine(line);) parser.ParseLine(line, records);
  return records;
}

}  // namespace lumena
