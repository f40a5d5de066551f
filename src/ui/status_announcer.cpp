// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/status_announcer.h"

#include <QLabel>

#include "ui/screen_reader_notice.h"

namespace skrybon {

CStatusAnnouncer::CStatusAnnouncer(QLabel& prompt, QString idleText)
    : QObject(&prompt), prompt_(prompt), idle_(std::move(idleText)), notice_(new CScreenReaderNotice(&prompt)) {
  timer_.setSingleShot(true);
  timer_.setInterval(kShownMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (prompt_.text() == shown_) prompt_.setText(idle_);
  });
}

void CStatusAnnouncer::Announce(const QString& text) {
  shown_ = text;
  prompt_.setText(text);
  notice_->Announce(text);
  timer_.start();
}

}  // namespace skrybon
