// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the program icon for the desktop's icon theme: OUT/<n>x<n>/apps/
// skrybon.png at each installed size, drawn by the same code that draws the
// window icon, so the menu and the window show one picture.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "ui/icons.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skrybon-render-icons OUTDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (const int size : skrybon::kProgramIconSizes) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
    const QString file = folder + QStringLiteral("/skrybon.png");
    if (!QDir().mkpath(folder) || !skrybon::ProgramIconPixmap(size).save(file, "PNG")) {
      std::fprintf(stderr, "skrybon-render-icons: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
