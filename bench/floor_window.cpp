// The floor for start-up time and memory: what any Qt program showing a window of Velmora's
// client size with one line in Velmora's window font must do, and nothing more. A top-level
// QLabel, with no parent widget, no title and no font but the line's.
// Built again as start-up probes, the floor plus one kind of Velmora's content, so that the
// start-up benchmark shows what each kind costs; VELMORA_PROBE names the kind: buttons (112
// flat push buttons), labels (28 labels with text and a face), line_edit (one read-only line
// box), line_edits (eight), selectable_label (a label selectable by mouse and keyboard),
// text_edit (a read-only box of 28 lines). The floor itself is built with none.
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string_view>

namespace {

#ifndef VELMORA_PROBE
#define VELMORA_PROBE "none"
#endif
constexpr std::string_view kKind = VELMORA_PROBE;

void AddContent(QWidget* window) {
  if constexpr (kKind == "buttons") {
    for (int i = 0; i < 112; ++i) {
      auto* button = new QPushButton(window);
      button->setFlat(true);
      button->setGeometry(8 + 17 * (i % 16), 8 + 19 * (i / 16), 17, 19);
    }
  } else if constexpr (kKind == "labels") {
    for (int i = 0; i < 28; ++i) {
      auto* label = new QLabel(QStringLiteral("К%1").arg(i), window);
      QPalette face = label->palette();
      face.setColor(QPalette::Window, QColor(255, 192, 128));
      label->setPalette(face);
      label->setAutoFillBackground(true);
      label->setGeometry(8 + 60 * (i % 8), 200 + 24 * (i / 8), 56, 20);
    }
  } else if constexpr (kKind == "line_edit" || kKind == "line_edits") {
    for (int i = 0; i < (kKind == "line_edit" ? 1 : 8); ++i) {
      auto* box = new QLineEdit(QStringLiteral("112"), window);
      box->setReadOnly(true);
      box->setGeometry(488, 56 + 24 * i, 57, 21);
    }
  } else if constexpr (kKind == "selectable_label") {
    auto* label = new QLabel(QStringLiteral("112"), window);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setGeometry(488, 56, 57, 21);
  } else if constexpr (kKind == "text_edit") {
    QString text;
    for (int i = 1; i <= 28; ++i) text += QStringLiteral("Ред %1 от заданието\n").arg(i);
    auto* box = new QPlainTextEdit(text, window);
    box->setReadOnly(true);
    box->setGeometry(8, 256, 537, 145);
  }
}

}  // namespace

int main() {
  int argc = 1;
  char name[] = "floor_window";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QLabel line(QStringLiteral("Един ред текст"));
  line.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  line.resize(554, 410);
  AddContent(&line);
  line.show();
  return QApplication::exec();
}
