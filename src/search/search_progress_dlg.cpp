// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_progress_dlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

#include "ui/qt_text.h"

namespace skrybon {

int ProgressPercent(int position, int lower, int upper) {
  if (upper <= lower) return 0;
  int percent = static_cast<int>(static_cast<long long>(position - lower) * 100 / (upper - lower));
  if (percent != 100) percent %= 100;
  return percent;
}

CSearchProgressDlg::CSearchProgressDlg(QString caption) : QDialog(nullptr) {
  setObjectName(QStringLiteral("dialog103"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(caption.isEmpty() ? QString::fromUtf8("Trwa wyszukiwanie wersetów...") : caption);
  // Dialog units of the template, about 1.75 by 2 pixels each.
  setFixedSize(328, 158);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("control1006"));
  status_->setGeometry(23, 14, 276, 16);
  // Screen readers read each label's text as its name.
  status_->setAccessibleDescription(QString::fromUtf8("Stan"));
  percent_ = new QLabel(QStringLiteral(" 0 %"), this);
  percent_->setObjectName(QStringLiteral("control1005"));
  percent_->setGeometry(140, 44, 48, 16);
  percent_->setAlignment(Qt::AlignCenter);
  percent_->setAccessibleDescription(QString::fromUtf8("Postęp"));
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("control1002"));
  bar_->setGeometry(26, 68, 270, 26);
  bar_->setTextVisible(false);
  bar_->setRange(lower_, upper_);
  bar_->setValue(lower_);
  auto* stop = new QPushButton(QString::fromUtf8("Przerwij"), this);
  stop->setObjectName(QStringLiteral("control2"));
  stop->setGeometry(117, 116, 88, 28);
  stop->setDefault(true);
  connect(stop, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
}

CSearchProgressDlg::~CSearchProgressDlg() {
  if (open_) DestroyWindow();
}

bool CSearchProgressDlg::Open(QWidget* owner) {
  owner_ = owner != nullptr ? owner->window() : nullptr;
  if (owner_ != nullptr && owner_->isEnabled()) {
    owner_->setEnabled(false);
    ownerDisabled_ = true;
  }
  // The window is no child of its owner (a disabled owner would disable it
  // too) but stays above it.
  winId();
  if (windowHandle() == nullptr) {
    ReenableOwner();
    return false;
  }
  if (owner_ != nullptr && owner_->windowHandle() != nullptr) windowHandle()->setTransientParent(owner_->windowHandle());
  if (owner_ != nullptr) move(owner_->geometry().center() - rect().center());
  show();
  open_ = true;
  return true;
}

void CSearchProgressDlg::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  bar_->setRange(lower, upper);
}

void CSearchProgressDlg::ShowStatus(std::string_view cp1250) { ShowStatus(ToQString(cp1250)); }

void CSearchProgressDlg::ShowStatus(const QString& text) { status_->setText(text); }

int CSearchProgressDlg::Advance() {
  PumpWaitingMessages();
  const int previous = position_;
  position_ += step_;
  if (position_ > upper_) position_ = lower_ + (position_ - upper_);
  bar_->setValue(position_);
  ShowPercent(previous + step_);
  return previous;
}

bool CSearchProgressDlg::TakeCancelRequest() {
  PumpWaitingMessages();
  const bool requested = cancelRequested_;
  cancelRequested_ = false;
  return requested;
}

void CSearchProgressDlg::DestroyWindow() {
  const bool wasActive = isActiveWindow();
  ReenableOwner();
  hide();
  open_ = false;
  // The keyboard goes back to the owner.
  if (wasActive && owner_ != nullptr && owner_->isEnabled()) owner_->activateWindow();
}

QString CSearchProgressDlg::PercentText() const { return percent_->text(); }

QString CSearchProgressDlg::StatusText() const { return status_->text(); }

void CSearchProgressDlg::reject() { cancelRequested_ = true; }

void CSearchProgressDlg::closeEvent(QCloseEvent* event) {
  // The close box asks to stop; the operation closes the window itself.
  cancelRequested_ = true;
  event->ignore();
}

void CSearchProgressDlg::PumpWaitingMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void CSearchProgressDlg::ShowPercent(int position) {
  const QString text = QStringLiteral("%1%").arg(ProgressPercent(position, lower_, upper_));
  if (text == percent_->text()) return;
  percent_->setText(text);
  ++percentWrites_;
}

void CSearchProgressDlg::ReenableOwner() {
  if (ownerDisabled_ && owner_ != nullptr) owner_->setEnabled(true);
  ownerDisabled_ = false;
}

}  // namespace skrybon
