#pragma once

#include <QMessageBox>
#include <functional>

#include "forms/form.h"

namespace velmora::forms::qt {

/// Answers a message box in place of a person: it receives the box ready to show and returns
/// the button "pressed". Tests install one so that nothing blocks; empty means ask the user.
using MessageBoxAnswerer = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

/// Shows `box` modal to the whole program and waits until it is closed.
MsgBoxResult ShowMessageBox(QWidget* parent, const MessageBox& box);

}  // namespace velmora::forms::qt
