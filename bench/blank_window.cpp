// An empty window of the same client size as Velmora's, for comparing start-up and memory.
#include <QApplication>
#include <QWidget>

int main() {
  int argc = 1;
  char name[] = "blank_window";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("blank Velmora"));
  window.setFixedSize(554, 410);
  window.show();
  return QApplication::exec();
}
