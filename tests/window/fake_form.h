#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/click_handlers.h"
#include "forms/form.h"

namespace velmora::testing {

/// A control that only remembers what it was made with and told since.
struct FakeControl : forms::Control {
  explicit FakeControl(const forms::ControlRow& made_from) : row(made_from) {}
  void SetBackColor(ColorValue color) override { row.back_color = color; }
  void SetText(std::string_view text) override { row.text = text; }
  void SetToolTip(std::string_view text) override { row.tool_tip = text; }
  void SetAccessibleName(std::string_view name) override { row.accessible_name = name; }
  void SetAccessibleDescription(std::string_view description) override {
    if (description != row.accessible_description) ++description_changes;
    row.accessible_description = description;
  }
  int description_changes = 0;  // what a screen reader would announce
  void SetChecked(bool checked) override {
    if (checked != row.checked) ++state_changes;
    row.checked = checked;
  }
  int state_changes = 0;  // what a screen reader would announce
  bool CanTakeFocus() const override { return row.enabled && row.visible; }
  void TakeFocus() override { ++focus_taken; }
  int focus_taken = 0;
  forms::ControlRow row;  // the control's current state
};

/// A form without a toolkit: records the controls, handlers and message boxes, and hands a
/// click on any control to its array's handler.
class FakeForm : public forms::Form {
 public:
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  void SetClientSize(forms::Twips width, forms::Twips height) override { size_ = {width, height}; }
  void SetBackColor(ColorValue color) override { back_color_ = color; }
  void SetFont(const forms::Font& font) override { font_ = font; }
  void SetIcon(std::string_view name) override { icon_ = name; }
  forms::Control& AddControl(const forms::ControlRow& row) override {
    auto& control = controls_.emplace_back(std::make_unique<FakeControl>(row));
    by_name_[{std::string(row.array), row.index}] = control.get();
    return *control;
  }
  void OnClick(std::string_view array, forms::ClickHandler handler) override {
    // A handler for an array that has no control would never be called: a misspelt name.
    const bool exists =
        std::any_of(controls_.begin(), controls_.end(),
                    [array](const auto& control) { return control->row.array == array; });
    if (!exists) ADD_FAILURE() << "OnClick for \"" << array << "\", which has no control";
    handlers_.Set(array, std::move(handler));
  }
  void SetTabOrder(const std::vector<forms::Control*>&) override {}
  forms::MsgBoxResult MsgBox(const forms::MsgBoxRequest& box) override {
    boxes_.push_back(box);
    return forms::MsgBoxResult::kOk;
  }
  void Show() override {}

  void Click(const std::string& array, int index) { handlers_.Click(array, index); }
  FakeControl& At(const std::string& array, int index) const {
    return *by_name_.at({array, index});
  }
  const std::vector<forms::MsgBoxRequest>& boxes() const { return boxes_; }
  std::pair<forms::Twips, forms::Twips> client_size() const { return size_; }
  ColorValue back_color() const { return back_color_; }
  const forms::Font& font() const { return font_; }
  const std::string& icon() const { return icon_; }

 private:
  std::string caption_;
  std::pair<forms::Twips, forms::Twips> size_{};
  ColorValue back_color_ = 0;
  forms::Font font_;
  std::string icon_;
  std::vector<std::unique_ptr<FakeControl>> controls_;
  std::map<std::pair<std::string, int>, FakeControl*> by_name_;
  forms::ClickHandlers handlers_;
  std::vector<forms::MsgBoxRequest> boxes_;
};

}  // namespace velmora::testing
