// SPDX-License-Identifier: GPL-2.0-or-later
// The help window: the program's own Polish guide (HTML pages in the
// resources, see ui/help_topics.h) in a browser with links, "Wstecz" and
// "Dalej", a contents button and an index with a search field that finds
// topics by word. Esc closes it. One window serves the whole run.
#pragma once

#include <QDialog>
#include <QString>
#include <string_view>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace skrybon {

class CHelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CHelpWindow(QWidget* parent = nullptr);

  // Shows a page of the guide (a file name of the help table, "#anchor" allowed).
  void ShowPage(std::string_view page);
  void ShowContents();
  // Shows the index with the keyboard focus in its search field.
  void ShowIndex();

  // The HTML of a page of the guide; empty when there is no such page.
  static QString PageHtml(std::string_view page);

  QTextBrowser* Browser() const { return browser_; }
  QLineEdit* SearchField() const { return search_; }
  QListWidget* IndexList() const { return index_; }

 private:
  void FillIndex(const QString& query);
  void OpenIndexItem();

  QTextBrowser* browser_ = nullptr;
  QWidget* indexPanel_ = nullptr;
  QLineEdit* search_ = nullptr;
  QListWidget* index_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

}  // namespace skrybon
