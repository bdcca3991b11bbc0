#include "platform/stored_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(StoredPath, FindsFilesWithoutRegardToCaseOrSeparator) {
  TempFolder dir;
  const fs::path real = dir.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "x");
  EXPECT_EQ(ResolveStoredPath(dir.Path(), "intfaces\\Default\\1024-768\\intface.txt"), real);
  EXPECT_EQ(ResolveStoredPath(dir.Path(), "Intfaces/DEFAULT\\\\1024-768\\INTFACE.TXT"), real);
  EXPECT_EQ(ResolveStoredPath(dir.Path(), "Intfaces\\DEFAULT\\800-600\\INTFACE.TXT"), std::nullopt);
}

TEST(StoredPath, AnExactMatchWinsOverAnotherCase) {
  TempFolder dir;
  dir.Write("a/File.psd", "upper");
  const fs::path exact = dir.Write("a/file.psd", "lower");
  EXPECT_EQ(ResolveStoredPath(dir.Path(), "A\\file.psd"), exact);
}

TEST(StoredPath, MapsNewFilesIntoExistingFoldersOfAnyCase) {
  TempFolder dir;
  fs::create_directories(dir / "Works");
  EXPECT_EQ(MapStoredPath(dir.Path(), "WORKS\\new\\a.lmc"), dir / "Works" / "new" / "a.lmc");
}

TEST(StoredPath, ExtensionsAreLowerCaseAndReplaceable) {
  EXPECT_EQ(StoredExtension("Hair\\Long.PSD"), ".psd");
  EXPECT_EQ(StoredExtension("Dir.d\\noext"), "");
  EXPECT_EQ(ReplaceStoredExtension("Hair\\Long.PSD", ".fcc"), "Hair\\Long.fcc");
  EXPECT_EQ(ReplaceStoredExtension("Hair\\Long", ".fcc"), "Hair\\Long.fcc");
}

// Stored names come from data files anyone may edit: whatever leaves the
// root, or is not a plain file or folder, is missing.
TEST(StoredPath, StaysInsideItsRoot) {
  TempFolder dir, elsewhere;
  const fs::path root = dir / "Data";
  const fs::path a = dir.Write("Data/A.psd", "a");
  const fs::path b = dir.Write("Data/Sub/b.psd", "b");
  dir.Write("secret.txt", "s");
  elsewhere.Write("x.psd", "x");
  fs::create_symlink(b, root / "inside.psd");
  fs::create_symlink(elsewhere / "x.psd", root / "outside.psd");
  fs::create_symlink(elsewhere.Path(), root / "OutDir");
  fs::create_symlink("/dev/zero", root / "zero.psd");
  fs::create_symlink("../secret.txt", root / "up.txt");
  ASSERT_EQ(::mkfifo((root / "pipe.txt").c_str(), 0600), 0);
  struct Case {
    const char* stored;
    std::optional<fs::path> found;
  };
  const Case cases[] = {
      {"a.psd", a},
      {"sub\\..\\A.PSD", a},
      {"Sub", root / "Sub"},
      {"inside.psd", root / "inside.psd"},
      {"..\\secret.txt", std::nullopt},
      {"Sub\\..\\..\\secret.txt", std::nullopt},
      {"..\\Data\\a.psd", std::nullopt},
      {"/etc/hostname", std::nullopt},
      {"\\etc\\hostname", std::nullopt},
      {"C:\\x.psd", std::nullopt},
      {"outside.psd", std::nullopt},
      {"OutDir", std::nullopt},
      {"outdir\\x.psd", std::nullopt},
      {"up.txt", std::nullopt},
      {"zero.psd", std::nullopt},
      {"pipe.txt", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveStoredPath(root, c.stored), c.found) << c.stored;
  const DataRoots roots(elsewhere.Path(), root, root);
  EXPECT_EQ(roots.Find("outside.psd"), std::nullopt);
  EXPECT_EQ(roots.Find("x.psd"), elsewhere / "x.psd");
}

// A root reached through a link is still the root: only where the files
// really are matters.
TEST(StoredPath, ARootBehindALinkHoldsItsFiles) {
  TempFolder dir;
  const fs::path real = dir.Write("real/Sub/a.psd", "a");
  fs::create_symlink(dir / "real", dir / "linked");
  EXPECT_EQ(ResolveStoredPath(dir / "linked", "sub\\A.psd"), dir / "linked" / "Sub" / "a.psd");
  EXPECT_EQ(ResolveStoredPath(dir / "linked" / "", "Sub/a.psd"), dir / "linked" / "" / "Sub" / "a.psd");
}

TEST(DataRoots, SearchesRootsInOrderAndStoresPathsRelativeToTheirRoot) {
  TempFolder hd, cd, program;
  cd.Write("Templates/Hair/a.psd", "cd");
  const fs::path onHd = hd.Write("Templates/Hair/a.psd", "hd");
  const fs::path onlyInProgram = program.Write("Templates/Nails/b.psd", "p");
  const DataRoots roots(hd.Path(), cd.Path(), program.Path());
  EXPECT_EQ(roots.Find("templates\\hair\\A.PSD"), onHd);
  EXPECT_EQ(roots.Find("Templates\\Nails\\b.psd"), onlyInProgram);
  EXPECT_EQ(roots.StoredForm(onlyInProgram), "Templates\\Nails\\b.psd");
  EXPECT_EQ(roots.StoredForm("/elsewhere/x.psd"), "\\elsewhere\\x.psd");
}

// An unset root (no hard disk folder chosen) is no root at all: it neither
// finds files in the current folder nor cuts paths.
TEST(DataRoots, AnUnsetRootIsSkipped) {
  TempFolder program;
  const fs::path file = program.Write("Hair/a.psd", "p");
  const DataRoots roots({}, {}, program.Path());
  fs::current_path(program.Path() / "Hair");
  EXPECT_EQ(roots.Find("a.psd"), std::nullopt);
  EXPECT_EQ(roots.StoredForm(file), "Hair\\a.psd");
  fs::current_path("/");
}

}  // namespace
}  // namespace lumena
