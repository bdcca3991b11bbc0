#include <QApplication>
#include <iostream>
#include <stdexcept>

#include "platform/ui/message_boxes.h"
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
  // Whatever start-up did not expect ends the program with its reason, never
  // with an abort.
  try {
    return lumena::RunLumena(options);
  } catch (const std::exception& e) {
    lumena::ShowErrorBox(std::string(e.what()) + "\rProgram terminated.");
    return 1;
  }
}
