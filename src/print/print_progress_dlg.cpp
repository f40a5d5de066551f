// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_progress_dlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

#include "print/printer_animation.h"

namespace skrybon {

CPrintProgressDlg::CPrintProgressDlg() : QDialog(nullptr) {
  setObjectName(QStringLiteral("dialog111"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  setWindowTitle(QString::fromUtf8("Drukowanie"));
  // Dialog units of the template, about 1.75 by 2 pixels each.
  setFixedSize(352, 176);
  animation_ = new CPrinterAnimation(this);
  animation_->setObjectName(QStringLiteral("control1048"));
  animation_->move((width() - animation_->width()) / 2, 6);
  const auto label = [this](int id, const QRect& place, Qt::Alignment align, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setObjectName(QStringLiteral("control%1").arg(id));
    l->setGeometry(place);
    l->setAlignment(align);
    return l;
  };
  job_ = label(1066, QRect(5, 70, 342, 34), Qt::AlignHCenter | Qt::AlignTop, "Drukuje %s na %s na porcie %s  ...");
  job_->setWordWrap(true);
  page_ = label(1068, QRect(5, 108, 342, 20), Qt::AlignHCenter | Qt::AlignTop, "Strona %d z %d, %s do końca o ...");
  percent_ = label(1064, QRect(2, 148, 40, 18), Qt::AlignRight | Qt::AlignVCenter, "100 %");
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("control1046"));
  bar_->setGeometry(46, 148, 203, 18);
  bar_->setTextVisible(false);
  auto* cancel = new QPushButton(QString::fromUtf8("Anuluj"), this);
  cancel->setObjectName(QStringLiteral("control2"));
  cancel->setGeometry(257, 142, 89, 28);
  cancel->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &CPrintProgressDlg::reject);
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { abort_ = true; });
}

CPrintProgressDlg::~CPrintProgressDlg() { DestroyWindow(); }

void CPrintProgressDlg::Open(QWidget* owner) {
  owner_ = owner != nullptr ? owner->window() : nullptr;
  if (owner_ != nullptr && owner_->isEnabled()) {
    owner_->setEnabled(false);
    ownerDisabled_ = true;
  }
  // No child of its owner (a disabled owner would disable it too), but above it.
  winId();
  if (owner_ != nullptr && owner_->windowHandle() != nullptr && windowHandle() != nullptr)
    windowHandle()->setTransientParent(owner_->windowHandle());
  if (owner_ != nullptr) move(owner_->geometry().center() - rect().center());
  show();
  repaint();
}

void CPrintProgressDlg::SetJobText(const QString& text) { job_->setText(text); }
void CPrintProgressDlg::SetPageText(const QString& text) { page_->setText(text); }
void CPrintProgressDlg::SetPercentText(const QString& text) { percent_->setText(text); }
void CPrintProgressDlg::SetRange(int pages) { bar_->setRange(0, pages); }

void CPrintProgressDlg::SetPosition(int pagesStarted) {
  bar_->setValue(pagesStarted);
  bar_->repaint();
}

bool CPrintProgressDlg::Continue() {
  if (!abort_) QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !abort_;
}

void CPrintProgressDlg::DestroyWindow() {
  if (ownerDisabled_ && owner_ != nullptr) owner_->setEnabled(true);
  ownerDisabled_ = false;
  hide();
}

QString CPrintProgressDlg::JobText() const { return job_->text(); }
QString CPrintProgressDlg::PageText() const { return page_->text(); }
QString CPrintProgressDlg::PercentText() const { return percent_->text(); }
int CPrintProgressDlg::Position() const { return bar_->value(); }

void CPrintProgressDlg::reject() {
  abort_ = true;
  hide();
}

void CPrintProgressDlg::closeEvent(QCloseEvent* event) {
  abort_ = true;
  event->ignore();
}

}  // namespace skrybon
