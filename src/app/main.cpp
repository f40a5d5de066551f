// SPDX-License-Identifier: GPL-2.0-or-later
// The program: finds the folders of the translations, loads those installed,
// then shows the main window placed as the profile says; --help and --version
// answer without a window.
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <QMessageBox>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "app/main_frame.h"
#include "app/program_arguments.h"
#include "data/scripture_data.h"
#include "ui/icons.h"
#include "ui/profile.h"
#include "ui/qt_text.h"

int main(int argc, char* argv[]) {
  std::setlocale(LC_ALL, "");
  const std::vector<std::string> given(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (const auto answer = skrybon::ImmediateAnswer(given)) {
    std::fputs(answer->c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toLocal8Bit().toStdString());
  const skrybon::ProgramArguments parsed = skrybon::ParseProgramArguments(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "skrybon: %s\n%s", parsed.error.c_str(), skrybon::ProgramHelpText().c_str());
    return 2;
  }
  QApplication::setApplicationName("skrybon");
  QApplication::setDesktopFileName(QStringLiteral("pl.skrybon.Skrybon"));  // the installed desktop entry
  QApplication::setWindowIcon(skrybon::ProgramIcon());
  // The program speaks Polish; so do Qt's own dialogs where their translation is installed.
  QTranslator qtPolish;
  if (qtPolish.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtPolish);

  // Resolved once: each translation, its alias file and the companion program
  // come from these folders. A translation that is not there, or cannot be
  // used (said here), is left out: the program starts with what there is.
  skrybon::CScriptureData data(skrybon::ProcessTranslationFolders(parsed.dataFolder));
  data.LoadAll([](const std::string& message) {
    QMessageBox::warning(nullptr, "Skrybon v1.4", skrybon::ToQString(message));
  });

  // The profile is named after the executable.
  QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName() : QString();
  if (program.isEmpty()) program = QStringLiteral("skrybon");
  skrybon::CProfile profile(skrybon::CProfile::DefaultPath(skrybon::FromQString(program)));

  skrybon::CMainFrame frame(data, profile);
  frame.ApplyStoredPlacement();
  frame.ShowAsStored();
  frame.RestoreLastSession();
  return QApplication::exec();
}
