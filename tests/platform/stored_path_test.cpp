#include <gtest/gtest.h>

#include "platform/stored_path.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(StoredPath, FindsFilesWithoutRegardToCaseOrSeparator) {
  TempFolder dir;
  const fs::path real = dir.write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "x");
  EXPECT_EQ(resolveStoredPath(dir.path(), "intfaces\\Default\\1024-768\\intface.txt"), real);
  EXPECT_EQ(resolveStoredPath(dir.path(), "Intfaces/DEFAULT\\\\1024-768\\INTFACE.TXT"), real);
  EXPECT_EQ(resolveStoredPath(dir.path(), "Intfaces\\DEFAULT\\800-600\\INTFACE.TXT"), std::nullopt);
}

TEST(StoredPath, AnExactMatchWinsOverAnotherCase) {
  TempFolder dir;
  dir.write("a/File.psd", "upper");
  const fs::path exact = dir.write("a/file.psd", "lower");
  EXPECT_EQ(resolveStoredPath(dir.path(), "A\\file.psd"), exact);
}

TEST(StoredPath, MapsNewFilesIntoExistingFoldersOfAnyCase) {
  TempFolder dir;
  fs::create_directories(dir / "Works");
  EXPECT_EQ(mapStoredPath(dir.path(), "WORKS\\new\\a.lmc"), dir / "Works" / "new" / "a.lmc");
}

TEST(StoredPath, ExtensionsAreLowerCaseAndReplaceable) {
  EXPECT_EQ(storedExtension("Hair\\Long.PSD"), ".psd");
  EXPECT_EQ(storedExtension("Dir.d\\noext"), "");
  EXPECT_EQ(replaceStoredExtension("Hair\\Long.PSD", ".fcc"), "Hair\\Long.fcc");
  EXPECT_EQ(replaceStoredExtension("Hair\\Long", ".fcc"), "Hair\\Long.fcc");
}

TEST(DataRoots, SearchesRootsInOrderAndStoresPathsRelativeToTheirRoot) {
  TempFolder hd, cd, program;
  cd.write("Templates/Hair/a.psd", "cd");
  const fs::path onHd = hd.write("Templates/Hair/a.psd", "hd");
  const fs::path onlyInProgram = program.write("Templates/Nails/b.psd", "p");
  const DataRoots roots(hd.path(), cd.path(), program.path());
  EXPECT_EQ(roots.find("templates\\hair\\A.PSD"), onHd);
  EXPECT_EQ(roots.find("Templates\\Nails\\b.psd"), onlyInProgram);
  EXPECT_EQ(roots.storedForm(onlyInProgram), "Templates\\Nails\\b.psd");
  EXPECT_EQ(roots.storedForm("/elsewhere/x.psd"), "\\elsewhere\\x.psd");
}

}  // namespace
}  // namespace lumena
