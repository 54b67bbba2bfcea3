#pragma once

#include <QMessageBox>
#include <functional>
#include <string>
#include <string_view>

#include "forms/form.h"

namespace velmora::forms::qt {

/// Answers a message box in place of a person: it receives the box ready to show and returns
/// the button "pressed". Tests install one so that nothing blocks; empty means ask the user.
using MessageBoxAnswerer = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

/// Shows `box` modal to the whole program and waits until it is closed.
MsgBoxResult ShowMessageBox(QWidget* parent, const MsgBoxRequest& box);

/// Tells the user of a run-time error on standard error and in a message box titled "Velmora",
/// for a program started from the desktop, whose standard error nobody reads.
void ShowRunTimeError(std::string_view message);

}  // namespace velmora::forms::qt
