#include "forms/qt/message_box.h"

#include <QEvent>
#include <QPushButton>

#include "common/run_time_error.h"
#include "forms/qt/qt_form.h"

namespace velmora::forms::qt {

namespace {

MessageBoxAnswerer& Answerer() {
  static MessageBoxAnswerer answerer;
  return answerer;
}

// QMessageBox fixes its size to its contents whenever it is shown or laid out again; through
// a Wayland compositor a maximize request would then end the program (see
// QtForm::SetClientSize), so there the box keeps that size as its least and may grow.
class MessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  bool event(QEvent* event) override {
    const bool handled = QMessageBox::event(event);
    if (IsWayland() && (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)) {
      setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    return handled;
  }
};

void Caption(QAbstractButton* button, const std::string& caption) {
  if (!caption.empty()) button->setText(ToQString(caption));
}

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
  Answerer() = std::move(answerer);
}

// Qt has no help system to hand the box's help file and context to.
MsgBoxResult ShowMessageBox(QWidget* parent, const MsgBoxRequest& box) {
  MessageBox dialog(parent);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setIcon(QMessageBox::NoIcon);
  dialog.setTextFormat(Qt::PlainText);
  dialog.setWindowTitle(ToQString(box.title));
  dialog.setText(ToQString(box.prompt));
  Caption(dialog.addButton(QMessageBox::Ok), box.ok_caption);
  if (box.buttons == MsgBoxButtons::kOkCancel) {
    Caption(dialog.addButton(QMessageBox::Cancel), box.cancel_caption);
    dialog.setEscapeButton(QMessageBox::Cancel);
  }
  dialog.setDefaultButton(QMessageBox::Ok);

  const int answer = Answerer() ? Answerer()(dialog) : dialog.exec();
  return answer == QMessageBox::Cancel ? MsgBoxResult::kCancel : MsgBoxResult::kOk;
}

void ShowRunTimeError(std::string_view message) {
  ReportOnStandardError(message);
  MsgBoxRequest box;
  box.prompt = message;
  box.title = "Velmora";
  ShowMessageBox(nullptr, box);
}

}  // namespace velmora::forms::qt
