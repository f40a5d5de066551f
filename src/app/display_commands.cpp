// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/display_commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>

#include "ui/colors_dialog.h"
#include "ui/command_ids.h"
#include "ui/display_qt.h"

namespace skrybon {

CDisplayCommands::CDisplayCommands(QWidget& owner, const CDisplaySettings& settings,
                                   std::function<void(const CDisplaySettings&)> apply)
    : owner_(owner), settings_(settings), apply_(std::move(apply)) {}

bool CDisplayCommands::OnUpdateCommand(int id, CCmdUI& ui) {
  switch (id) {
    case ID_VIEW_FOUND_WORDS: ui.SetCheck(settings_.highlightFoundWords); return true;
    case ID_VIEW_ZOOM_IN:
    case ID_VIEW_ZOOM_OUT:
      ui.Enable(ZoomedFontHeight(settings_.font.height, id == ID_VIEW_ZOOM_IN ? 1 : -1) != settings_.font.height);
      return true;
    case ID_VIEW_ZOOM_RESET: ui.Enable(heightBeforeZoom_.has_value()); return true;
    case ID_VIEW_COLORS:
    case ID_VIEW_FONT: ui.Enable(true); return true;
    default: return false;
  }
}

bool CDisplayCommands::OnCommand(int id) {
  switch (id) {
    case ID_VIEW_COLORS: Colors(); return true;
    case ID_VIEW_FONT: Font(); return true;
    case ID_VIEW_FOUND_WORDS: {
      CDisplaySettings changed = settings_;
      changed.highlightFoundWords = !changed.highlightFoundWords;
      apply_(changed);
      return true;
    }
    case ID_VIEW_ZOOM_IN: Zoom(1); return true;
    case ID_VIEW_ZOOM_OUT: Zoom(-1); return true;
    case ID_VIEW_ZOOM_RESET: ZoomReset(); return true;
    default: return false;
  }
}

void CDisplayCommands::Colors() {
  CColorsDialog dialog(settings_.colors, SystemColors(QApplication::palette()), &owner_);
  if (dialog.exec() != QDialog::Accepted) return;
  CDisplaySettings changed = settings_;
  changed.colors = dialog.Colors();
  apply_(changed);
}

void CDisplayCommands::Font() {
  const int dpi = owner_.logicalDpiY();
  QFontDialog dialog(ChooserFont(settings_.font, dpi), &owner_);
  dialog.setWindowTitle(QStringLiteral("Czcionka"));
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  // The choice is of face, style and size: no effects.
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
    if (auto* group = qobject_cast<QGroupBox*>(box->parentWidget())) group->hide();
  // Only faces that write Polish (the Latin script), and the script fixed.
  const QString latin = QFontDatabase::writingSystemName(QFontDatabase::Latin);
  for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
    const int index = combo->findText(latin);
    if (index < 0) continue;
    combo->setCurrentIndex(index);
    combo->setEnabled(false);
  }
  // The sample line shows Polish letters.
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
    if (auto* group = qobject_cast<QGroupBox*>(edit->parentWidget())) {
      edit->setText(QStringLiteral("AaBbĄąĆćĘęŁłŻż"));
      group->setMinimumHeight(90);
    }
  }
  dialog.setCurrentFont(ChooserFont(settings_.font, dpi));
  if (dialog.exec() != QDialog::Accepted) return;
  CDisplaySettings changed = settings_;
  changed.font = FromChosenFont(dialog.selectedFont(), settings_.font, dpi);
  // A size chosen here is the one the size keys later return to.
  heightBeforeZoom_.reset();
  apply_(changed);
}

void CDisplayCommands::Zoom(int direction) {
  const int height = ZoomedFontHeight(settings_.font.height, direction);
  if (height == settings_.font.height) return;
  if (!heightBeforeZoom_) heightBeforeZoom_ = settings_.font.height;
  CDisplaySettings changed = settings_;
  changed.font.height = height;
  apply_(changed);
}

void CDisplayCommands::ZoomReset() {
  if (!heightBeforeZoom_) return;
  CDisplaySettings changed = settings_;
  changed.font.height = *heightBeforeZoom_;
  heightBeforeZoom_.reset();
  apply_(changed);
}

}  // namespace skrybon
