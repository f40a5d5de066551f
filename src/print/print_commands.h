// SPDX-License-Identifier: GPL-2.0-or-later
// The print commands of the frame: "&Drukuj..." (ID_FILE_PRINT) and "Podgląd
// wydruku" (ID_FILE_PRINT_PREVIEW) print or preview the verses selected in the active reading
// window (the window itself disables both while nothing is selected). The
// program's current printer lives here from the first command to the end of
// the run, so a printer and page setup chosen once stay for the next command;
// it is made only then, as making it asks the print system for its printers.
#pragma once

#include <QObject>
#include <QPrinter>
#include <memory>

#include "ui/command_target.h"

namespace skrybon {

class IFrameHost;

class CPrintCommands : public QObject, public ICommandTarget {
  Q_OBJECT

 public:
  explicit CPrintCommands(IFrameHost& frame);
  static CPrintCommands* Install(IFrameHost& frame);

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 private:
  QPrinter& Printer();

  IFrameHost& frame_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace skrybon
