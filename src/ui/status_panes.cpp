// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/status_panes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <array>
#include <ctime>

namespace skrybon {
namespace {

constexpr int kClockPeriodMs = 10000;

QString Strftime(const char* pattern, const std::tm& time) {
  std::array<char, 256> buffer{};
  const std::size_t n = std::strftime(buffer.data(), buffer.size(), pattern, &time);
  return QString::fromLocal8Bit(buffer.data(), static_cast<qsizetype>(n));
}

// A pane's border: a thin line in the palette's mid tone, none when empty.
const QString kFramed = QStringLiteral("QLabel { border: 1px solid palette(mid); padding: 0px; }");
const QString kBorderless = QStringLiteral("QLabel { border: none; padding: 0px; }");

QLabel* NewPane(QStatusBar* bar) {
  auto* pane = new QLabel(bar);
  pane->setStyleSheet(kFramed);
  pane->setProperty("framed", true);
  pane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  pane->setContentsMargins(0, 0, 0, 0);
  pane->setIndent(0);
  pane->setMargin(0);
  bar->addPermanentWidget(pane);
  return pane;
}

}  // namespace

CStatusPanes::CStatusPanes(QStatusBar* bar, std::function<QString()> title)
    : QObject(bar),
      bar_(bar),
      titleSource_(std::move(title)),
      title_(NewPane(bar)),
      date_(NewPane(bar)),
      time_(NewPane(bar)),
      timer_(new QTimer(this)) {
  title_->setObjectName("titlePane");
  date_->setObjectName("datePane");
  time_->setObjectName("timePane");
  // A screen reader reads a pane's text as its name (a label without a name
  // of its own is named by its text); the description says what it is.
  title_->setAccessibleDescription(QStringLiteral("Aktywne okno"));
  date_->setAccessibleDescription(QStringLiteral("Data"));
  time_->setAccessibleDescription(QStringLiteral("Godzina"));
  timer_->setInterval(kClockPeriodMs);
  connect(timer_, &QTimer::timeout, this, &CStatusPanes::Update);
  timer_->start();
  Update();
}

QString CStatusPanes::FormatDate(const std::tm& time) { return Strftime("%d %B %Yr.", time); }
QString CStatusPanes::FormatTime(const std::tm& time) { return Strftime("%H:%M  ", time); }

int CStatusPanes::PaneWidth(const QString& text) const {
  const QFontMetrics metrics(bar_->font());
  return metrics.horizontalAdvance(text);
}

void CStatusPanes::SetPane(QLabel* pane, const QString& text, bool borderlessWhenEmpty) {
  const bool framed = !(borderlessWhenEmpty && text.isEmpty());
  if (pane->property("framed").toBool() != framed) {
    pane->setStyleSheet(framed ? kFramed : kBorderless);
    pane->setProperty("framed", framed);
  }
  const int width = PaneWidth(text) + 2 * pane->frameWidth();
  if (pane->text() != text) pane->setText(text);
  if (pane->minimumWidth() != width || pane->maximumWidth() != width) pane->setFixedWidth(width);
}

void CStatusPanes::Update() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  UpdateTitle();
  SetPane(date_, FormatDate(local), false);
  SetPane(time_, FormatTime(local), false);
}

void CStatusPanes::UpdateTitle() { SetPane(title_, titleSource_ ? titleSource_() : QString(), true); }

void CStatusPanes::SetPanesVisible(bool visible) {
  title_->setVisible(visible);
  date_->setVisible(visible);
  time_->setVisible(visible);
}

}  // namespace skrybon
