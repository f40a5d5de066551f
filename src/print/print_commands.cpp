// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_commands.h"

#include "reading/citation.h"
#include "print/verse_printer.h"
#include "reading/child_frame.h"
#include "ui/command_ids.h"
#include "ui/frame_host.h"

namespace skrybon {

CPrintCommands::CPrintCommands(IFrameHost& frame) : QObject(&frame), frame_(frame) {}

CPrintCommands* CPrintCommands::Install(IFrameHost& frame) {
  auto* commands = new CPrintCommands(frame);
  frame.AddCommandTarget(commands);
  return commands;
}

bool CPrintCommands::OnUpdateCommand(int id, CCmdUI& ui) {
  if (id != ID_FILE_PRINT && id != ID_FILE_PRINT_PREVIEW) return false;
  ui.Enable(qobject_cast<CChildFrame*>(frame_.ActiveReadingWindow()) != nullptr);
  return true;
}

bool CPrintCommands::OnCommand(int id) {
  if (id != ID_FILE_PRINT && id != ID_FILE_PRINT_PREVIEW) return false;
  auto* window = qobject_cast<CChildFrame*>(frame_.ActiveReadingWindow());
  if (window == nullptr) return true;
  const CSelectedVerses selection = window->GetSelection();
  if (selection.verses.empty()) return true;
  CPrintVerseList list;
  FillPrintVerseList(selection.Input(), list);
  CVersePrinter printer(frame_.Profile());
  printer.SetVerseList(&list);
  if (id == ID_FILE_PRINT)
    printer.Print(Printer(), &frame_);
  else
    printer.Preview(Printer(), printer.Settings(), &frame_);
  return true;
}

QPrinter& CPrintCommands::Printer() {
  if (printer_ == nullptr) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

}  // namespace skrybon
