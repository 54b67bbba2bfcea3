#include "forms/qt/message_box.h"

#include <QPushButton>

#include "forms/qt/qt_form.h"

namespace velmora::forms::qt {

namespace {

MessageBoxAnswerer& Answerer() {
  static MessageBoxAnswerer answerer;
  return answerer;
}

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
  Answerer() = std::move(answerer);
}

MsgBoxResult ShowMessageBox(QWidget* parent, const MessageBox& box) {
  QMessageBox dialog(parent);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setIcon(QMessageBox::NoIcon);
  dialog.setTextFormat(Qt::PlainText);
  dialog.setWindowTitle(ToQString(box.title));
  dialog.setText(ToQString(box.prompt));
  // The captions a Bulgarian desktop gives these buttons.
  dialog.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  if (box.buttons == MsgBoxButtons::kOkCancel) {
    dialog.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Отказ"));
    dialog.setEscapeButton(QMessageBox::Cancel);
  }
  dialog.setDefaultButton(QMessageBox::Ok);

  const int answer = Answerer() ? Answerer()(dialog) : dialog.exec();
  return answer == QMessageBox::Cancel ? MsgBoxResult::kCancel : MsgBoxResult::kOk;
}

}  // namespace velmora::forms::qt
