// The program: loads the three translations from the current folder, then
// shows the main window. A missing or damaged index file ends it with code 1.
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include "data/scripture_data.h"
#include "ui/qt_text.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("skrybon");

  skrybon::CScriptureData data(".");
  const bool loaded = data.LoadAll([](const std::string& message) {
    QMessageBox::warning(nullptr, "Skrybon v1.4", skrybon::ToQString(message));
  });
  if (!loaded) return 1;

  QMainWindow frame;
  frame.setWindowTitle("Skrybon v1.4");
  frame.resize(900, 650);
  frame.show();
  return QApplication::exec();
}
