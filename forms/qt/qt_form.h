#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/click_handlers.h"
#include "forms/form.h"

class QButtonGroup;

namespace velmora::forms::qt {

QColor ToQColor(ColorValue color);
int ToPixels(Twips twips);
/// UTF-8 with CR LF line breaks to the QString Qt shows (line breaks as LF).
QString ToQString(std::string_view text);
/// Whether the windows are shown through a Wayland compositor.
bool IsWayland();

/// A control made from a layout row; `widget` is the Qt widget that shows it.
class QtControl : public Control {
 public:
  QtControl(ControlKind kind, QWidget* widget) : kind_(kind), widget_(widget) {}
  QWidget* widget() const { return widget_; }

  void SetBackColor(ColorValue color) override;
  void SetText(std::string_view text) override;
  void SetToolTip(std::string_view text) override;
  void SetAccessibleName(std::string_view name) override;
  void SetAccessibleDescription(std::string_view description) override;
  void SetChecked(bool checked) override;
  // Hidden, not invisible: the form may not be shown yet.
  bool CanTakeFocus() const override { return widget_->isEnabled() && !widget_->isHidden(); }
  void TakeFocus() override { widget_->setFocus(Qt::OtherFocusReason); }

 private:
  ControlKind kind_;
  QWidget* widget_;
};

/// A form as a fixed-size top-level QWidget; control arrays of buttons are QButtonGroups
/// whose ids are the element indexes.
class QtForm : public Form {
 public:
  QtForm();
  ~QtForm() override;

  QWidget* window() const { return window_.get(); }
  /// The control that is element `index` of `array`, or nullptr.
  QtControl* Find(std::string_view array, int index) const;

  void SetCaption(std::string_view caption) override;
  std::string Caption() const override;
  void SetClientSize(Twips width, Twips height) override;
  void SetBackColor(ColorValue color) override;
  void SetFont(const Font& font) override;
  void SetIcon(std::string_view name) override;
  Control& AddControl(const ControlRow& row) override;
  void OnClick(std::string_view array, ClickHandler handler) override;
  void SetTabOrder(const std::vector<Control*>& order) override;
  MsgBoxResult MsgBox(const MsgBoxRequest& box) override;
  void Show() override;

 private:
  QWidget* CreateWidget(const ControlRow& row);

  std::unique_ptr<QWidget> window_;
  std::vector<std::unique_ptr<QtControl>> controls_;
  std::map<std::pair<std::string, int>, QtControl*> by_name_;
  std::map<std::string, QButtonGroup*, std::less<>> button_groups_;
  ClickHandlers handlers_;
  std::vector<Control*> tab_order_;
};

}  // namespace velmora::forms::qt
