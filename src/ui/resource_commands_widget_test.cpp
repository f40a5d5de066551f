// SPDX-License-Identifier: GPL-2.0-or-later
// The "&Zasoby" commands in the main frame: the alias editor's round trip
// (the table reloaded on every close, a new alias resolving at once in an open
// window's navigation bar, the file's line ends kept, a character outside
// Windows-1250 refused with nothing written, a missing file), and the
// companion program's enabling and start.
#include <QAbstractButton>
#include <QDockWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/frame_fixture_test.h"
#include "data/codepage.h"
#include "reading/book_combo.h"
#include "reading/navigation_bar.h"
#include "testing/fixture_data.h"
#include "ui/alias_editor.h"
#include "ui/command_ids.h"
#include "ui/resource_commands.h"

using namespace skrybon;

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

class ResourceCommandsTest : public testing::CFrameTest<testing::NavigationData> {
  Q_OBJECT

 private:
  CResourceCommands* commands_ = nullptr;
  QStringList messages_;

  std::filesystem::path Folder() const { return fixture_->data.Folder(); }
  CNavigationBar* Bar() const { return dynamic_cast<CNavigationBar*>(frame_->NavigationBarDock()->widget()); }
  // Runs an alias command; `edit` acts on the open editor and must close it.
  void EditAliases(int command, std::function<void(CAliasEditor&)> edit) {
    commands_->SetEditorObserver([edit](CAliasEditor& editor) {
      QTimer::singleShot(0, &editor, [&editor, edit] { edit(editor); });
    });
    QVERIFY(frame_->ExecuteCommand(command));
  }
  static void Click(CAliasEditor& editor, const char* button) {
    editor.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
  }
  int BookOf(TranslationId id, std::string_view utf8) const {
    std::string text = Cp(utf8);
    int chapter = 0, verse = 0;
    return fixture_->data.Data().Get(id).ParseReference(text, chapter, verse);
  }
  // Types a place into the navigation bar and presses Enter; the book shown after.
  int OpenTyped(const QString& text) {
    Bar()->FocusBookBox();
    Bar()->BookBox()->lineEdit()->clear();
    QTest::keyClicks(Bar()->BookBox()->lineEdit(), text);
    QTest::keyClick(Bar()->BookBox()->lineEdit(), Qt::Key_Return);
    return Active()->GetCurrentPlace().book;
  }

 private slots:
  void init() {
    QVERIFY(StartFrame());
    commands_ = frame_->findChild<CResourceCommands*>();
    QVERIFY(commands_ != nullptr);
    messages_.clear();
    commands_->SetMessageSink([this](const QString& text) { messages_ << text; });
  }

  void cleanup() { StopFrame(); }

  void aNewAliasResolvesAtOnceAndTheLineEndsAreKept() {
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BG));
    QCOMPARE(BookOf(TranslationId::BG, "abcd 2"), -1);  // not a name yet
    const std::filesystem::path file = Folder() / "bg_alias.txt";

    QString title;
    EditAliases(ID_EDIT_ALIASES_BG, [&title](CAliasEditor& editor) {
      title = editor.windowTitle();
      QString text = editor.Editor()->toPlainText();
      // Book 3's line gains the alias "abcd" and the Polish "żółw".
      const QStringList lines = text.split('\n');
      QStringList changed = lines;
      changed[4] = lines[4] + QStringLiteral("abcd, żółw");
      editor.Editor()->setPlainText(changed.join('\n'));
      Click(editor, "saveButton");
    });
    QCOMPARE(title, QStringLiteral("Edycja aliasów – Biblia Gdańska"));
    QVERIFY(messages_.isEmpty());
    const std::string bytes = ReadBytes(file);
    QVERIFY(bytes.find(Cp("abcd, żółw\r\n")) != std::string::npos);
    QVERIFY(bytes.find("\n") == bytes.find("\r\n") + 1);  // CR LF throughout
    QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
    // The frame is active again after the editor, so the typed place takes Enter.
    QVERIFY(QTest::qWaitForWindowActive(frame_));
    QCOMPARE(OpenTyped(QStringLiteral("abcd 2")), 3);
    QCOMPARE(Active()->GetCurrentPlace().chapter, 1);
    QCOMPARE(BookOf(TranslationId::BG, "żółw 1"), 3);
  }

  void anUnwritableCharacterIsRefusedAndCancelKeepsTheFile() {
    const std::filesystem::path file = Folder() / "bw_alias.txt";
    const std::string before = ReadBytes(file);
    EditAliases(ID_EDIT_ALIASES_BW, [this](CAliasEditor& editor) {
      editor.Editor()->setPlainText(QStringLiteral("; nowe\nRodzaju,Быт\n"));
      Click(editor, "saveButton");
      QVERIFY(editor.isVisible());  // the editor stays open
      QCOMPARE(messages_.size(), 1);
      QVERIFY(messages_[0].startsWith(QStringLiteral("Wiersz 2 zawiera znak „Б” (U+0411)")));
      Click(editor, "cancelButton");
    });
    QCOMPARE(ReadBytes(file), before);
    QCOMPARE(messages_.size(), 1);
    // The table was reloaded from the unchanged file: book 45 still answers to "1 Kor".
    QCOMPARE(BookOf(TranslationId::BW, "1 kor 2"), 45);
  }

  void aMissingFileIsReportedOnCloseAndCreatedBySaving() {
    const std::filesystem::path file = Folder() / "bt_alias.txt";
    EditAliases(ID_EDIT_ALIASES_BT, [file](CAliasEditor& editor) {
      std::filesystem::remove(file);  // gone while the editor is open
      Click(editor, "cancelButton");
    });
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].startsWith(QStringLiteral("Nie mogę odnaleźć pliku: 'bt_alias.txt'!\nJest to plik")));
    QCOMPARE(BookOf(TranslationId::BT, "1 kor"), -1);

    QString opened = QStringLiteral("?");
    EditAliases(ID_EDIT_ALIASES_BT, [&opened](CAliasEditor& editor) {
      opened = editor.Editor()->toPlainText();
      editor.Editor()->setPlainText(QStringLiteral("Rodzaju,Rdz\nWyjścia,Wj"));
      Click(editor, "saveButton");
    });
    QCOMPARE(opened, QString());
    QCOMPARE(ReadBytes(file), Cp("Rodzaju,Rdz\r\nWyjścia,Wj"));
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(BookOf(TranslationId::BT, "wj 3"), 1);

    // A file that is there but cannot be read opens no editor (saving would replace it).
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    bool editorShown = false;
    EditAliases(ID_EDIT_ALIASES_BT, [&editorShown](CAliasEditor& editor) {
      editorShown = true;
      Click(editor, "cancelButton");
    });
    QVERIFY(!editorShown);
    QCOMPARE(messages_.size(), 2);
    QVERIFY(messages_[1].startsWith(QStringLiteral("Nie mogę odczytać pliku: 'bt_alias.txt'!\nTo nie jest zwykły plik.\n"
                                                   "Folder przekładu: ")));
    QCOMPARE(BookOf(TranslationId::BT, "wj 3"), 1);  // the table stays as it was
  }

  void theCompanionProgramIsEnabledOnlyWhenExecutableAndStartsInTheMainFolder() {
    const std::filesystem::path program = Folder() / "tarnel";
    const std::filesystem::path marker = Folder() / "started.txt";
    QVERIFY(!Enabled(ID_TARNEL));
    QVERIFY(!frame_->ExecuteCommand(ID_TARNEL));
    std::ofstream(program) << "#!/bin/sh\npwd > started.txt\n";
    QVERIFY(!Enabled(ID_TARNEL));  // not executable
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    QVERIFY(Enabled(ID_TARNEL));
    frame_->RefreshCommandStates();
    QVERIFY(frame_->CommandAction(ID_TARNEL)->isEnabled());
    QVERIFY(frame_->ExecuteCommand(ID_TARNEL));
    QTRY_VERIFY(std::filesystem::exists(marker) && !ReadBytes(marker).empty());
    QCOMPARE(QString::fromStdString(ReadBytes(marker)).trimmed(),
             QString::fromStdString(std::filesystem::canonical(Folder()).string()));
    QVERIFY(messages_.isEmpty());

    // An executable that the system cannot start is reported with its name.
    std::ofstream(program, std::ios::trunc) << "\x7f" "ELF not a program";
    QVERIFY(frame_->ExecuteCommand(ID_TARNEL));
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].startsWith(QStringLiteral("Nie mogę uruchomić programu: '")));
    QVERIFY(messages_[0].contains(QStringLiteral("tarnel")));

    std::filesystem::remove(program);
    std::filesystem::create_directory(program);  // a folder of that name is no program
    QVERIFY(!Enabled(ID_TARNEL));
  }
};

QTEST_MAIN(ResourceCommandsTest)
#include "resource_commands_widget_test.moc"
