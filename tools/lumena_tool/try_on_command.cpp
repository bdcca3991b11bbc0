// lumena-tool try-on PORTRAIT TEMPLATE... -o OUT [--eyes LX,LY,RX,RY]
// [--program-folder DIR]: what a user does in the windows, without them.
// The portrait is adjusted as a face on its eyes and each template is laid
// as a user's choice in the templates window lays it.

#include <filesystem>
#include <optional>
#include <vector>

#include "editing/editing_questions.h"
#include "editing/editing_session.h"
#include "images/picture_file.h"
#include "interface/termins.h"
#include "picture_files.h"
#include "platform/ini_file.h"
#include "platform/program_folder.h"
#include "platform/stored_path.h"
#include "platform/text.h"
#include "portrait/eye_detection.h"
#include "portrait/face_adjustment.h"
#include "templates/template_laying.h"
#include "tool_command.h"
#include "work_files.h"
#include "workfile/work_kind.h"

namespace lumena::tool {

namespace {

namespace fs = std::filesystem;

struct TryOnOptions {
  std::vector<std::string> files;  // the portrait, then the templates
  fs::path out;
  std::optional<EyePositions> eyes;
  std::optional<fs::path> programFolder;
};

EyePositions ParseEyes(std::string_view text) {
  const std::vector<std::string> parts = SplitAt(text, ',');
  std::vector<int> numbers;
  for (const std::string& part : parts)
    if (const std::optional<int> n = ParseInt(part)) numbers.push_back(*n);
  if (parts.size() != 4 || numbers.size() != 4)
    throw UsageError("--eyes needs four numbers LX,LY,RX,RY, not \"" + std::string(text) + "\"");
  return {{numbers[0], numbers[1]}, {numbers[2], numbers[3]}};
}

TryOnOptions ParseOptions(Arguments arguments) {
  TryOnOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 == arguments.size()) throw UsageError(word + " needs a value");
      return arguments[++i];
    };
    if (word == "-o")
      options.out = value();
    else if (word == "--eyes")
      options.eyes = ParseEyes(value());
    else if (word == "--program-folder")
      options.programFolder = value();
    else if (word.starts_with("-"))
      throw UsageError("unknown option " + word);
    else
      options.files.push_back(word);
  }
  if (options.files.empty()) throw UsageError("needs a portrait");
  if (options.out.empty()) throw UsageError("needs -o OUT");
  return options;
}

// Every question of laying is answered Yes, as a user who goes on would.
class GoingOn : public EditingQuestions {
 public:
  bool Confirm(std::string_view) override { return true; }
  bool ConfirmText(std::string_view) override { return true; }
};

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : self.parent_path();
}

// A template by its name in the template base, or by its file's name.
const TPartInfoRecord& FindTemplate(const TTemplateBase& base, std::string_view wanted) {
  const std::string file = fs::path(std::string(wanted)).filename().string();
  for (const TPartInfoRecord& t : base.Templates()) {
    if (t.IsTitle()) continue;
    const std::string stored = t.FileName.substr(t.FileName.find_last_of('\\') + 1);
    if (Iequals(t.Name, wanted) || Iequals(stored, file)) return t;
  }
  throw std::runtime_error("no template \"" + std::string(wanted) + "\" in the template base");
}

}  // namespace

int RunTryOn(Arguments arguments) {
  const TryOnOptions options = ParseOptions(arguments);
  const fs::path folder = ChooseProgramFolder(options.programFolder, ExecutableFolder());
  std::vector<TTermin> texts;
  if (const auto found = ResolveStoredPath(folder, "termins.txt")) LoadTermins(*found, texts);

  const fs::path& portraitFile = options.files[0];
  const Picture portrait = LoadPictureFile(portraitFile, PictureSource::UserPicked);
  const std::optional<EyePositions> eyes =
      options.eyes ? options.eyes : DetectEyesAndWait(folder / "eyechecker", portrait);
  if (!eyes) throw std::runtime_error("no eyes found in " + portraitFile.string() + "; give them with --eyes");
  if (!EyesFitPicture(*eyes, portrait.Width(), portrait.Height()))
    throw UsageError("the eyes must lie in the picture, the one on the left first");

  DeskGeometry geometry;
  geometry.CentreView();
  LoadedWork work(geometry);
  GoingOn answers;
  EditingSession session(work.desk, answers);
  const FaceAdjustment adjustment =
      AdjustmentForEyes(*eyes, portrait.Width(), portrait.Height(), geometry.windowWidth, geometry.windowHeight);
  LayAdjustedFace(session, work.anchors, portrait, adjustment, GetTermin("PortraitLayerName", texts, "Portrait"),
                  IsElementPictureName(portraitFile.filename().string()));

  TTemplateBase base;
  if (options.files.size() > 1) {
    base.LoadTemplateTypes(IniFile(folder / "Lumena.ini"));
    base.LoadTemplateBase(folder / kTemplateBaseFileName);
  }
  const DataRoots roots(folder, folder, folder);
  TemplateOptions chosen;
  chosen.nails.fill(true);
  for (size_t i = 1; i < options.files.size(); ++i) {
    const ChoiceOutcome outcome =
        ChooseTemplate(session, base, roots, work.anchors, FindTemplate(base, options.files[i]), chosen);
    if (!outcome.message.empty())
      throw std::runtime_error(options.files[i] + ": " + GetTermin(outcome.message, texts, outcome.message));
    if (outcome.laid == 0) throw std::runtime_error(options.files[i] + ": the template's picture is missing");
  }
  if (IsWorkPath(options.out))
    SaveWork(work, options.out);
  else
    WritePictureFile(FullWorkImage(work), options.out, 90);
  return 0;
}

}  // namespace lumena::tool
