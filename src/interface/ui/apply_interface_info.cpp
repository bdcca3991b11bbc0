#include "interface/ui/apply_interface_info.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollArea>
#include <QTextBrowser>
#include <QWidget>
#include <optional>

#include "interface/interface_context.h"
#include "interface/interface_info.h"
#include "interface/ui/interface_color.h"
#include "interface/ui/interface_param_target.h"
#include "platform/text.h"

namespace lumena {

namespace {

QPointer<QWidget>& MainWindowSlot() {
  static QPointer<QWidget> mainWindow;
  return mainWindow;
}

// Labels, edit boxes, date edit boxes, list boxes and combo boxes take fonts.
bool TakesFont(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QDateTimeEdit*>(w) ||
         qobject_cast<const QListWidget*>(w) || qobject_cast<const QComboBox*>(w);
}

// A panel is a plain frame: labels and scrolling views are frames too.
bool IsPanel(const QWidget* w) {
  return qobject_cast<const QFrame*>(w) && !qobject_cast<const QLabel*>(w) &&
         !qobject_cast<const QAbstractScrollArea*>(w);
}

bool TakesColor(const QWidget* w, bool isWindow) {
  return isWindow || IsPanel(w) || qobject_cast<const QListWidget*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QScrollArea*>(w);
}

void SetBackground(QWidget* w, const QColor& color) {
  QPalette palette = w->palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, w->backgroundRole()})
    palette.setColor(role, color);
  w->setPalette(palette);
  w->setAutoFillBackground(true);
  if (auto* scroll = qobject_cast<QAbstractScrollArea*>(w)) scroll->viewport()->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, const QColor& color) {
  QPalette palette = w->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, color);
  w->setPalette(palette);
}

QFont WithSize(QFont font, int size) {
  // Negative sizes count pixels rather than points.
  if (size > 0)
    font.setPointSize(size);
  else if (size < 0)
    font.setPixelSize(-size);
  return font;
}

QFont WithFamily(QFont font, std::string_view family) {
  font.setFamily(QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size())));
  return font;
}

void ApplyFontName(QWidget* w, std::string_view family) {
  if (auto* browser = qobject_cast<QTextBrowser*>(w))
    browser->document()->setDefaultFont(WithFamily(browser->document()->defaultFont(), family));
  else if (TakesFont(w))
    w->setFont(WithFamily(w->font(), family));
}

void ApplyFontSize(QWidget* w, int size) {
  if (auto* browser = qobject_cast<QTextBrowser*>(w))
    browser->document()->setDefaultFont(WithSize(browser->document()->defaultFont(), size));
  else if (TakesFont(w))
    w->setFont(WithSize(w->font(), size));
}

void ApplyFontColor(QWidget* w, int number) {
  if (qobject_cast<QTextBrowser*>(w) || TakesFont(w)) SetTextColor(w, ColorFromNumber(number));
}

void ApplyTextParam(QWidget* w, std::string_view name, std::string_view value, bool isWindow) {
  if (name == "VISIBLE" && !isWindow)
    w->setVisible(Iequals(value, "TRUE"));
  else if (name == "FONTNAME")
    ApplyFontName(w, value);
}

void ApplyBounds(QWidget* w, std::string_view name, int number, const InterfaceApplyScope& scope) {
  const bool isWindow = w == scope.window;
  const QWidget* origin = isWindow && scope.mainWindow != w ? scope.mainWindow : nullptr;
  const int originX = origin ? origin->x() : 0;
  const int originY = origin ? origin->y() : 0;
  if (name == "LEFT")
    w->move(number + originX, w->y());
  else if (name == "TOP")
    w->move(w->x(), number + originY);
  else if (name == "WIDTH")
    w->resize(number, w->height());
  else if (name == "HEIGHT")
    w->resize(w->width(), number);
}

void ApplyNumberParam(QWidget* w, std::string_view name, int number, const InterfaceApplyScope& scope) {
  if (name == "LEFT" || name == "TOP" || name == "WIDTH" || name == "HEIGHT")
    ApplyBounds(w, name, number, scope);
  else if (name == "COLOR" && TakesColor(w, w == scope.window))
    SetBackground(w, ColorFromNumber(number));
  else if (name == "FONTSIZE")
    ApplyFontSize(w, number);
  else if (name == "FONTCOLOR")
    ApplyFontColor(w, number);
}

bool NameMatches(const QObject* object, const std::string& upperName) {
  return ToUpper(object->objectName().toStdString()) == upperName;
}

QObject* FindOwned(QWidget* window, const std::string& upperName) {
  for (QObject* child : window->findChildren<QObject*>())
    if (NameMatches(child, upperName)) return child;
  return nullptr;
}

}  // namespace

void SetInterfaceMainWindow(QWidget* mainWindow) { MainWindowSlot() = mainWindow; }

QWidget* InterfaceMainWindow() { return MainWindowSlot().data(); }

void ApplyInterfaceParam(QObject* component, std::string_view upperName, std::string_view value,
                         const InterfaceApplyScope& scope) {
  const std::optional<int> number = ParseInt(value);
  if (auto* target = dynamic_cast<InterfaceParamTarget*>(component))
    if (target->ApplyInterfaceParam(upperName, value, number)) return;
  if (number && upperName == "TAG") {
    component->setProperty("tag", *number);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(component);
  if (!widget) return;
  if (number)
    ApplyNumberParam(widget, upperName, *number, scope);
  else
    ApplyTextParam(widget, upperName, value, widget == scope.window);
}

void ApplyInterfaceInfo(QWidget* window, const TOrvInterfaceInfo& info, QWidget* mainWindow) {
  if (!window || !info.Loaded) return;
  const std::string section = ToUpper(window->objectName().toStdString());
  // Global parameters have no section; a nameless window has none either.
  if (section.empty()) return;
  const InterfaceApplyScope scope{window, mainWindow};
  for (const TParamInfoRecord& record : info.Params) {
    if (record.Section != section) continue;
    QObject* component = record.Object.empty() ? window : FindOwned(window, record.Object);
    if (component) ApplyInterfaceParam(component, record.Param, record.Value, scope);
  }
  for (QObject* child : window->findChildren<QObject*>())
    if (auto* target = dynamic_cast<InterfaceParamTarget*>(child)) target->AfterInterfaceApplied();
}

void ApplyInterfaceInfo(QWidget* window) {
  const InterfaceContext& context = CurrentInterface();
  if (context.Info) ApplyInterfaceInfo(window, *context.Info, InterfaceMainWindow());
}

}  // namespace lumena
