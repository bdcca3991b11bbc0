#pragma once
// Running the peer readers of our files: Python's olefile and ImageMagick.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace lumena::testing {

inline std::string RunAndRead(const std::string& command) {
  std::string output;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    ::pclose(pipe);
  }
  return output;
}

inline std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// "name size" per stream of a compound file, as olefile lists them.
inline std::string OlefileListing(const std::filesystem::path& file) {
  const std::string script =
      "import olefile,sys\n"
      "o=olefile.OleFileIO(sys.argv[1])\n"
      "for e in sorted(o.listdir()):\n"
      "  n='/'.join(e); print(n, o.get_size(n))\n";
  return RunAndRead("/usr/bin/python3 -c \"" + script + "\" " + Quoted(file) + " 2>&1");
}

// The picture as ImageMagick reads it: "WxH" and then RGBA bytes.
inline std::string MagickRgba(const std::filesystem::path& file) {
  return RunAndRead("/usr/bin/convert " + Quoted(file) + " -depth 8 rgba:- 2>/dev/null");
}

inline std::string MagickSize(const std::filesystem::path& file) {
  return RunAndRead("/usr/bin/identify -format '%wx%h' " + Quoted(file) + " 2>/dev/null");
}

}  // namespace lumena::testing
