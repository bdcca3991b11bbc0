#include <QApplication>
#include <iostream>
#include <stdexcept>

#include "shell/ui/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  lumena::StartupOptions options;
  try {
    options = lumena::ParseCommandLine(QApplication::arguments().mid(1));
  } catch (const std::invalid_argument& e) {
    std::cerr << "lumena: " << e.what() << "\nusage: lumena [--program-folder DIR] [--no-intro] [WORK]\n";
    return 2;
  }
  return lumena::RunLumena(options);
}
