// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/context_help.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Turns the template's dialog units into pixels of the dialog's font.
class CDialogUnits {
 public:
  explicit CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    x_ = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0 / 4.0;
    y_ = metrics.height() / 8.0;
  }
  QRect operator()(int x, int y, int w, int h) const {
    return QRect(qRound(x * x_), qRound(y * y_), qRound(w * x_), qRound(h * y_));
  }

 private:
  double x_ = 1.75;
  double y_ = 2.0;
};

template <typename W>
W* Place(W* widget, int id, const QRect& rect) {
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  widget->setGeometry(rect);
  return widget;
}

}  // namespace

CSearchDialog::CSearchDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dialog106"));
  setWindowTitle(U("Szukanie wersetów"));
  const CDialogUnits du(font());
  setFixedSize(du(0, 0, 235, 202).size());

  // Created in tab order: words and operators, the buttons, then the groups.
  const int wordIds[] = {1017, 1018, 1019, 1020};
  const int operatorIds[] = {1021, 1022, 1023};
  auto* wordsGroup = new QGroupBox(U("Szukane wyrazy lub wyrażenia:"), this);
  Place(wordsGroup, 1036, du(5, 95, 227, 85));
  wordsGroup->lower();
  for (int i = 0; i < kSearchWordCount; ++i) {
    auto* edit = Place(new QLineEdit(this), wordIds[i], du(41, 110 + 16 * i, 120, 12));
    edit->setMaxLength(static_cast<int>(kSearchWordMaxLength));
    edit->setAccessibleName(U("Wyraz %1").arg(i + 1));
    words_[static_cast<std::size_t>(i)] = edit;
    if (i == kSearchOperatorCount) break;
    auto* combo = Place(new QComboBox(this), operatorIds[i], du(167, 117 + 16 * i, 30, 12));
    combo->addItems({U("LUB"), U("  I  "), U("NIE")});
    // Named after the words it joins. Screen readers on Linux take a combo
    // box's name from its label, so it gets an unseen one, and find no value
    // in such a box: the chosen operator is its description.
    const QString name = U("Łącznik wyrazów %1 i %2").arg(i + 1).arg(i + 2);
    combo->setAccessibleName(name);
    auto* label = new QLabel(name, this);
    label->setBuddy(combo);
    label->hide();
    combo->setAccessibleDescription(combo->currentText());
    connect(combo, &QComboBox::currentTextChanged, combo, &QWidget::setAccessibleDescription);
    operators_[static_cast<std::size_t>(i)] = combo;
  }
  auto* ok = Place(new QPushButton(U("OK"), this), 1, du(33, 184, 54, 14));
  ok->setDefault(true);
  auto* clear = Place(new QPushButton(U("Wyczyść"), this), 1016, du(90, 184, 54, 14));
  auto* cancel = Place(new QPushButton(U("Anuluj"), this), 2, du(147, 184, 54, 14));
  ok->setAutoDefault(true);
  clear->setAutoDefault(false);
  cancel->setAutoDefault(false);

  auto* translationGroup = new QGroupBox(U("Tłumaczenie Biblii:"), this);
  Place(translationGroup, 1034, du(5, 5, 225, 30));
  const char* titles[] = {"Biblia Gdańska", "Biblia Warszawska", "Biblia Tysiąclecia"};
  const QRect translationRects[] = {du(10, 19, 63, 10), du(76, 19, 75, 10), du(156, 19, 70, 10)};
  auto* translationButtons = new QButtonGroup(this);
  for (int t = 0; t < 3; ++t) {
    auto* radio = Place(new QRadioButton(U(titles[t]), this), 1025 + t, translationRects[t]);
    translationButtons->addButton(radio, t);
    translations_[static_cast<std::size_t>(t)] = radio;
  }
  auto* methodGroup = new QGroupBox(U(" Metoda wyszukiwania: "), this);
  Place(methodGroup, 1028, du(5, 40, 120, 50));
  wholeWords_ = Place(new QCheckBox(U("Znajdź tylko całe wyrazy"), this), 1029, du(15, 55, 94, 10));
  wordStart_ = Place(new QCheckBox(U("Wyraz zaczynający się od..."), this), 1030, du(15, 65, 103, 10));
  caseSensitive_ = Place(new QCheckBox(U("Uwzględniaj wielkość liter"), this), 1031, du(15, 75, 96, 10));
  auto* windowGroup = new QGroupBox(U("Otwórz znalezione werety w:"), this);
  Place(windowGroup, 1035, du(130, 40, 100, 50));
  newWindow_ = Place(new QRadioButton(U("Nowym oknie"), this), 1032, du(140, 60, 59, 10));
  currentWindow_ = Place(new QRadioButton(U("Bieżącym oknie"), this), 1033, du(140, 71, 65, 10));
  auto* windowButtons = new QButtonGroup(this);
  windowButtons->addButton(newWindow_, 0);
  windowButtons->addButton(currentWindow_, 1);
  for (QGroupBox* group : {translationGroup, methodGroup, windowGroup}) {
    group->setFocusPolicy(Qt::NoFocus);
    group->lower();
  }
  // Check boxes and radio buttons are wider than their template boxes here.
  for (QWidget* w : std::initializer_list<QWidget*>{wholeWords_, wordStart_, caseSensitive_, newWindow_,
                                                    currentWindow_, translations_[0], translations_[1],
                                                    translations_[2]}) {
    w->resize(std::max(w->width(), w->sizeHint().width()), w->height());
  }

  InstallContextHelp(*this, 106);
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);

  connect(ok, &QPushButton::clicked, this, &CSearchDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CSearchDialog::reject);
  connect(clear, &QPushButton::clicked, this, [this] {
    state_.ClickClear();
    FieldsToControls();
  });
  connect(wholeWords_, &QCheckBox::clicked, this, [this] { OnClick([this] { state_.ClickWholeWords(); }); });
  connect(wordStart_, &QCheckBox::clicked, this, [this] { OnClick([this] { state_.ClickWordStart(); }); });
  connect(newWindow_, &QRadioButton::clicked, this, [this] { OnClick([this] { state_.ClickNewWindow(); }); });
  connect(currentWindow_, &QRadioButton::clicked, this,
          [this] { OnClick([this] { state_.ClickCurrentWindow(active_); }); });
}

template <typename Rule>
void CSearchDialog::OnClick(Rule rule) {
  ControlsToFields();
  rule();
  FieldsToControls();
}

bool CSearchDialog::Run(std::optional<TranslationId> active, std::array<bool, 3> installed) {
  active_ = active;
  state_.Open(active, installed);
  FieldsToControls();
  words_[0]->setFocus();
  return exec() == QDialog::Accepted;
}

void CSearchDialog::accept() {
  if (RefuseUnholdableWord()) return;
  ControlsToFields();
  if (!state_.Accept()) {
    QDialog::reject();
    return;
  }
  FieldsToControls();
  QDialog::accept();
}

void CSearchDialog::reject() {
  ControlsToFields();
  QDialog::reject();
}

bool CSearchDialog::RefuseUnholdableWord() {
  for (std::size_t i = 0; i < words_.size(); ++i) {
    QLineEdit* edit = words_[i];
    const std::optional<char32_t> c = FirstCharOutsideCp1250(edit->text());
    if (!c) continue;
    QMessageBox::warning(this, windowTitle(),
                         U("Wyraz %1 zawiera znak %2, którego nie ma w tekście Biblii (tekst jest zapisany "
                           "w kodowaniu Windows-1250). Popraw wyraz.")
                             .arg(i + 1)
                             .arg(DescribeCharacter(*c)));
    const QString shown = QString::fromUcs4(&*c, 1);
    const qsizetype at = edit->text().indexOf(shown);
    edit->setFocus();
    if (at >= 0) edit->setSelection(static_cast<int>(at), static_cast<int>(shown.size()));
    return true;
  }
  return false;
}

void CSearchDialog::FieldsToControls() {
  SearchDialogFields& f = state_.fields;
  for (std::size_t i = 0; i < words_.size(); ++i) {
    const QString& typed = typed_[i];
    const bool keepTyped = FirstCharOutsideCp1250(typed) && FromQString(typed) == f.words[i];
    words_[i]->setText(keepTyped ? typed : ToQString(f.words[i]));
  }
  for (std::size_t i = 0; i < operators_.size(); ++i) operators_[i]->setCurrentIndex(f.operators[i]);
  wordStart_->setChecked(f.wordStart);
  caseSensitive_->setChecked(f.caseSensitive);
  wholeWords_->setChecked(f.wholeWords);
  (f.target == 1 ? currentWindow_ : newWindow_)->setChecked(true);
  translations_[static_cast<std::size_t>(std::clamp(f.translation, 0, 2))]->setChecked(true);
  ApplyEnabled();
}

void CSearchDialog::ControlsToFields() {
  SearchDialogFields& f = state_.fields;
  for (std::size_t i = 0; i < words_.size(); ++i) {
    typed_[i] = words_[i]->text();
    std::string word = FromQString(typed_[i]);
    if (word.size() > kSearchWordMaxLength) word.resize(kSearchWordMaxLength);
    f.words[i] = std::move(word);
  }
  for (std::size_t i = 0; i < operators_.size(); ++i) f.operators[i] = std::max(0, operators_[i]->currentIndex());
  f.wordStart = wordStart_->isChecked();
  f.caseSensitive = caseSensitive_->isChecked();
  f.wholeWords = wholeWords_->isChecked();
  f.target = currentWindow_->isChecked() ? 1 : 0;
  for (int t = 0; t < 3; ++t) {
    if (translations_[static_cast<std::size_t>(t)]->isChecked()) f.translation = t;
  }
}

void CSearchDialog::ApplyEnabled() {
  const SearchDialogEnabled& e = state_.enabled;
  for (std::size_t t = 0; t < translations_.size(); ++t) translations_[t]->setEnabled(e.translations[t]);
  currentWindow_->setEnabled(e.currentWindow);
  wholeWords_->setEnabled(e.wholeWords);
  wordStart_->setEnabled(e.wordStart);
}

}  // namespace skrybon
