#pragma once
// Where the program folder (settings, texts, interfaces, templates) is.
#include <filesystem>
#include <optional>
#include <string_view>

namespace lumena {

// The name of the generated default program folder beside the executable.
inline constexpr std::string_view kDefaultProgramFolderName = "program-folder";
// The environment variable that names another program folder.
inline constexpr const char* kProgramFolderVariable = "LUMENA_PROGRAM_FOLDER";

// The program folder to use: the command-line choice, else the environment
// variable, else the default folder beside the executable.
std::filesystem::path ChooseProgramFolder(const std::optional<std::filesystem::path>& commandLineChoice,
                                          const std::filesystem::path& executableFolder);

// The program writes into its folder (settings, works, downloads). A folder
// the user cannot write is copied to a per-user folder below `userDataHome`,
// and that copy is used. A folder that is not there is returned as it is:
// start-up then reports the missing settings file, and nothing is copied.
std::filesystem::path WritableProgramFolder(const std::filesystem::path& folder,
                                            const std::filesystem::path& userDataHome);

// The per-user copy of a program folder: one per source folder, made when it
// is not there yet and refreshed when the source changed since. A refresh
// keeps every file the user made or changed in the copy. Throws EFileError
// when the copy cannot be made.
std::filesystem::path UserCopyOfProgramFolder(const std::filesystem::path& folder,
                                              const std::filesystem::path& userDataHome);

bool FolderIsWritable(const std::filesystem::path& folder);

}  // namespace lumena
