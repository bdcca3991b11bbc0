#pragma once
// The templates window: the templates of one type as a grid of previews;
// choosing one lays it on the work. The main window's template-type
// buttons open it on their type.
#include <QCursor>
#include <functional>
#include <string_view>

#include "interface/ui/skinned_form.h"
#include "templates/template_grid.h"
#include "templates/template_laying.h"

class QLabel;

namespace lumena {

class TGraphicButton;
class TGraphicSlider;

struct TemplatesWindowServices {
  EditingSession& session;
  TTemplateBase& base;
  const DataRoots& roots;
  const PlacementAnchors& anchors;
  // Reads the template types (when asked) and "PartBase.txt"; the caller
  // shows errors and warnings.
  std::function<void(bool types)> load;
  // Shows a message by its text key.
  std::function<void(std::string_view key)> tell;
  std::function<QCursor(int number)> cursors;
};

class TFormTemplates : public TSkinnedForm {
  Q_OBJECT

 public:
  TFormTemplates(TemplatesWindowServices services, const TGraphicButton& mainMinimize, const TGraphicButton& mainExit);

  // Shows the templates of a type; `hint` is its button's hint (the caption
  // is its text before "@").
  void OpenOnType(int32_t type, int columns, int rows, const std::string& hint);
  int32_t CurrentType() const { return type_; }
  TemplateGroup CurrentGroup() const { return group_; }

  void RefillTemplates(bool resetScroll);
  void DrawPreviews(int first);
  // After a template of the current type was added to the base.
  void ReloadTemplates();

  // Told when a template was laid, and when the window closes.
  std::function<void()> onLaid;
  std::function<void()> onClosed;

 protected:
  void FormShow() override;
  void FormClose() override;
  void FormKeyDown(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowGroupSwitches();
  void ScrollTo(int row);
  void ScrollBy(int rows);
  void Hover(QPoint p);
  void Choose(QPoint p);
  // The shown template under a point of the grid, when it can be laid.
  const TPartInfoRecord* LayableAt(QPoint p) const;
  void DrawCell(QPainter& painter, const TPartInfoRecord& entry, int col, int row);

  TemplatesWindowServices services_;
  TPictureControl* grid_;
  TGraphicSlider* scroll_;
  QLabel* titleLabel_;
  QLabel* shownLabel_;
  QLabel* totalLabel_;
  TGraphicButton* replaceSameType_;
  TGraphicButton* nails_[kNailMarkCount];
  int32_t type_ = -1;
  TemplateGroup group_ = TemplateGroup::Face;
  TemplateGridShape shape_;
  ShownTemplates shown_;
  bool filterOn_ = false;
  bool pageStep_ = false;
  std::optional<int> hoverCell_;
  Picture emptyPreview_;
};

}  // namespace lumena
