#pragma once
// Applies a window's section of the interface description to the window and
// to the components it owns, found by object name without regard to case.
#include <string_view>

class QObject;
class QWidget;

namespace lumena {

class TOrvInterfaceInfo;

// The main window: the LEFT and TOP of other windows are relative to it.
void SetInterfaceMainWindow(QWidget* mainWindow);
QWidget* InterfaceMainWindow();

struct InterfaceApplyScope {
  QWidget* window = nullptr;      // the window whose section is applied
  QWidget* mainWindow = nullptr;  // may be null: positions are then absolute
};

// One parameter on one component (the window itself or one it owns).
void ApplyInterfaceParam(QObject* component, std::string_view upperName, std::string_view value,
                         const InterfaceApplyScope& scope);

// Nothing happens when the description is not loaded.
void ApplyInterfaceInfo(QWidget* window, const TOrvInterfaceInfo& info, QWidget* mainWindow);
// With the process-wide description and main window.
void ApplyInterfaceInfo(QWidget* window);

}  // namespace lumena
