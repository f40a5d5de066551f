// The program: loads the three translations from the current folder, then
// shows the main window placed as the profile says. A missing or damaged
// index file ends it with code 1.
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <QMessageBox>
#include <clocale>

#include "app/main_frame.h"
#include "data/scripture_data.h"
#include "ui/icons.h"
#include "ui/profile.h"
#include "ui/qt_text.h"

int main(int argc, char* argv[]) {
  std::setlocale(LC_ALL, "");
  QApplication app(argc, argv);
  QApplication::setApplicationName("skrybon");
  QApplication::setWindowIcon(skrybon::ProgramIcon());
  // The program speaks Polish; so do Qt's own dialogs where their translation is installed.
  QTranslator qtPolish;
  if (qtPolish.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtPolish);

  skrybon::CScriptureData data(".");
  const bool loaded = data.LoadAll([](const std::string& message) {
    QMessageBox::warning(nullptr, "Skrybon v1.4", skrybon::ToQString(message));
  });
  if (!loaded) return 1;

  // The profile is named after the executable.
  QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName() : QString();
  if (program.isEmpty()) program = QStringLiteral("skrybon");
  skrybon::CProfile profile(skrybon::CProfile::DefaultPath(skrybon::FromQString(program)));

  skrybon::CMainFrame frame(data, profile);
  frame.ApplyStoredPlacement();
  frame.ShowAsStored();
  return QApplication::exec();
}
