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
std::filesystem::path chooseProgramFolder(const std::optional<std::filesystem::path>& commandLineChoice,
                                          const std::filesystem::path& executableFolder);

// The program writes into its folder (settings, works, downloads). A folder
// the user cannot write is copied once to a per-user folder below
// `userDataHome`, and that copy is used from then on.
std::filesystem::path writableProgramFolder(const std::filesystem::path& folder,
                                            const std::filesystem::path& userDataHome);

// The per-user copy of a program folder, made when it is not there yet.
std::filesystem::path userCopyOfProgramFolder(const std::filesystem::path& folder,
                                              const std::filesystem::path& userDataHome);

bool folderIsWritable(const std::filesystem::path& folder);

}  // namespace lumena
