// SPDX-License-Identifier: GPL-2.0-or-later
// The dialog "Drukowanie" that every print command shows first: tab
// "Nagłówki i czcionki" (face, size and text of the header, the body with the
// page number format, and the footer) and tab "Marginesy" (four margins in
// millimetres, 0 to 300, around a picture of a page), with "&Ustawienia ..."
// for the printer's page setup and "&Podgląd wydruku" for the preview of the
// values shown. It works on a copy of the settings; OK refuses text that
// Windows-1250 cannot hold, naming the character and keeping the text.
#pragma once

#include <QDialog>
#include <functional>

#include "print/print_settings.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QSpinBox;
class QTabWidget;

namespace skrybon {

class CFontNameCombo;

class CPrintSettingsDlg : public QDialog {
  Q_OBJECT

 public:
  CPrintSettingsDlg(const CPrintSettings& settings, QPrinter& printer, QWidget* parent = nullptr);

  // The values the controls hold now.
  CPrintSettings Settings() const;
  void SetPreview(std::function<void(const CPrintSettings&, QWidget*)> preview) { preview_ = std::move(preview); }
  // Receives each refusal; by default a warning box.
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }

  // The leading decimal digits of a typed size (0 without any), at most kMaxFontSize.
  static int ParseFontSize(const QString& text);

 public slots:
  void accept() override;

 private:
  struct FontRow {
    CFontNameCombo* face = nullptr;
    QComboBox* size = nullptr;
  };
  QWidget* CreateHeadersPage(const CPrintSettings& s);
  QWidget* CreateMarginsPage(const CPrintSettings& s);
  FontRow AddFontRow(QWidget* page, int faceId, int sizeId, const CPrintFontSetting& font);
  bool CheckText(const QString& text, const char* subject, QWidget* field);

  QPrinter& printer_;
  QTabWidget* tabs_ = nullptr;
  FontRow header_, body_, footer_;
  QPlainTextEdit* headerText_ = nullptr;
  QLineEdit* pageFormat_ = nullptr;
  QPlainTextEdit* footerText_ = nullptr;
  QSpinBox* top_ = nullptr;
  QSpinBox* left_ = nullptr;
  QSpinBox* right_ = nullptr;
  QSpinBox* bottom_ = nullptr;
  std::function<void(const CPrintSettings&, QWidget*)> preview_;
  std::function<void(const QString&)> messageSink_;
};

}  // namespace skrybon
