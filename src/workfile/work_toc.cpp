#include "workfile/work_toc.h"

#include <algorithm>
#include <array>

#include "platform/text.h"
#include "work/colouring_parameters.h"
#include "work/value_ranges.h"
#include "workfile/work_file_error.h"

namespace lumena {

namespace {

constexpr size_t kLayerFieldCount = 19;

std::string NameOrNil(const std::string& name) { return name.empty() ? "nil" : name; }

std::string JoinFields(std::string_view keyword, std::initializer_list<std::string> fields) {
  std::string line(keyword);
  line += '=';
  for (const std::string& f : fields) line += f + ';';
  return line;
}

std::string PointLine(std::string_view keyword, const std::string& name, Point p) {
  return JoinFields(keyword, {NameOrNil(name), std::to_string(p.x), std::to_string(p.y)});
}

std::string HandLine(const std::string& name, const PlacementAnchors& anchors) {
  std::string line = "HAND=" + NameOrNil(name) + ';';
  for (const NailMark& m : anchors.nails)
    for (int32_t v : {m.x, m.y, m.width, m.height, m.angle}) line += std::to_string(v) + ';';
  return line;
}

// The fields after the keyword and its "=".
std::vector<std::string> FieldsOf(std::string_view line) {
  const size_t eq = line.find('=');
  return SplitRecordFields(eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1));
}

bool NamesLayer(const std::string& field) { return !field.empty() && !Iequals(field, "nil"); }

// Reads the values of a line in order; a missing or unconvertible value ends
// the reading.
class ValueReader {
 public:
  ValueReader(const std::vector<std::string>& fields, size_t first) : fields_(fields), next_(first) {}
  // The raw field and its value, or nothing once reading has ended.
  std::optional<std::pair<std::string_view, int32_t>> Next() {
    if (ended_ || next_ >= fields_.size()) return End();
    const std::string& raw = fields_[next_++];
    const auto value = ParseInt(raw);
    if (!value) return End();
    return std::make_pair(std::string_view(raw), int32_t{*value});
  }

 private:
  std::nullopt_t End() {
    ended_ = true;
    return std::nullopt;
  }
  const std::vector<std::string>& fields_;
  size_t next_;
  bool ended_ = false;
};

void ReadPoint(const std::vector<std::string>& fields, Point& point) {
  ValueReader reader(fields, 1);
  for (int32_t* target : {&point.x, &point.y}) {
    const auto value = reader.Next();
    if (!value) return;
    if (value->first != "-1") *target = ClampedPosition(value->second);
  }
}

// Width and height of 0 and a y of -1 leave the mark's value; an x of -1
// ends the marks.
bool ReadNail(ValueReader& reader, NailMark& mark) {
  const auto x = reader.Next();
  if (!x || x->first == "-1") return false;
  mark.x = ClampedPosition(x->second);
  struct Value {
    int32_t* target;
    std::string_view keep;
    int32_t (*inRange)(int32_t);
  };
  const std::array<Value, 3> rest = {
      {{&mark.y, "-1", ClampedPosition}, {&mark.width, "0", ClampedSide}, {&mark.height, "0", ClampedSide}}};
  for (const Value& value : rest) {
    const auto v = reader.Next();
    if (!v) return false;
    if (v->first != value.keep) *value.target = value.inRange(v->second);
  }
  const auto angle = reader.Next();
  if (!angle) return false;
  mark.angle = angle->second % 360;
  return true;
}

void ReadNails(const std::vector<std::string>& fields, PlacementAnchors& anchors) {
  ValueReader reader(fields, 1);
  for (NailMark& mark : anchors.nails)
    if (!ReadNail(reader, mark)) return;
}

void SetRole(const std::vector<std::string>& fields, std::string& role) {
  if (!fields.empty() && NamesLayer(fields[0])) role = fields[0];
}

int32_t IntField(const std::vector<std::string>& fields, size_t index) {
  const auto value = index < fields.size() ? ParseInt(fields[index]) : std::nullopt;
  if (!value)
    throw EWorkFileError("Layer field " + std::to_string(index + 1) + " is not a number: \"" +
                         (index < fields.size() ? fields[index] : std::string()) + "\"");
  return *value;
}

std::string TextFieldAt(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

}  // namespace

std::vector<std::string> FixedTocLines(const WorkHeader& header) {
  return {
      "VERSION=" + RecordFieldText(header.version) + ';',
      PointLine("PORTRAIT", header.roles.portrait, header.anchors.face),
      HandLine(header.roles.hand, header.anchors),
      PointLine("BODY", header.roles.body, header.anchors.body),
      "ACTIVELAYER=" + NameOrNil(header.roles.active) + ';',
  };
}

std::string LayerTocLine(const TLayerRecord& r) {
  const ColourParameters& p = r.Params;
  const auto n = [](int32_t v) { return std::to_string(v); };
  return JoinFields(
      "LAYER", {r.Name, RecordFieldText(r.DisplayName), n(r.TemplateType), n(r.X), n(r.Y), n(r.Width), n(r.Height),
                n(r.Visible), n(p.Color), n(p.Red), n(p.Green), n(p.Blue), n(p.Hue), n(p.Saturation), n(p.Brightness),
                n(p.Contrast), n(p.Opacity), n(r.Depth), RecordFieldText(r.SourcePath)});
}

std::string TocKeyword(std::string_view line) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return {};
  return ToUpper(TrimView(line.substr(0, eq)));
}

bool IsLayerLine(std::string_view line) { return TocKeyword(line) == "LAYER"; }

bool IsStreamableLayerName(std::string_view name) {
  if (name.empty() || name.size() > kMaxLayerNameLength) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '.' || c == '/' || c == '\\' || c == ':' || c == '!' || static_cast<unsigned char>(c) < ' ';
  });
}

TLayerRecord ParseLayerLine(std::string_view line) {
  const std::vector<std::string> f = FieldsOf(line);
  TLayerRecord r;
  r.Name = TextFieldAt(f, 0);
  if (!IsStreamableLayerName(r.Name)) throw EWorkFileError("Invalid layer name \"" + r.Name + "\"");
  r.DisplayName = TextFieldAt(f, 1);
  r.TemplateType = IntField(f, 2);
  r.X = IntField(f, 3);
  r.Y = IntField(f, 4);
  r.Width = IntField(f, 5);
  r.Height = IntField(f, 6);
  r.Visible = IntField(f, 7) != 0 ? 1 : 0;
  static constexpr std::array kParameters = {ColourField::Color,      ColourField::Red,      ColourField::Green,
                                             ColourField::Blue,       ColourField::Hue,      ColourField::Saturation,
                                             ColourField::Brightness, ColourField::Contrast, ColourField::Opacity};
  for (size_t i = 0; i < kParameters.size(); ++i) SetField(r.Params, kParameters[i], IntField(f, 8 + i));
  r.Depth = IntField(f, 17);
  r.SourcePath = TextFieldAt(f, kLayerFieldCount - 1);
  ClampToRanges(r);
  return r;
}

void ApplyFixedTocLine(std::string_view line, WorkRoles& roles, PlacementAnchors& anchors) {
  const std::string keyword = TocKeyword(line);
  const std::vector<std::string> fields = FieldsOf(line);
  if (keyword == "PORTRAIT") {
    SetRole(fields, roles.portrait);
    ReadPoint(fields, anchors.face);
  } else if (keyword == "HAND") {
    SetRole(fields, roles.hand);
    ReadNails(fields, anchors);
  } else if (keyword == "BODY") {
    SetRole(fields, roles.body);
    ReadPoint(fields, anchors.body);
  } else if (keyword == "ACTIVELAYER") {
    SetRole(fields, roles.active);
  }
}

std::vector<std::string> SplitTocText(std::string_view text) { return SplitLines(text); }

}  // namespace lumena
