// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tool_run.h"

#include <QTimer>

namespace skrybon {
namespace {

// A tool that does not end after being asked to stop is killed after this long.
constexpr int kStopGraceMs = 10000;

}  // namespace

CToolRun::CToolRun(QObject* parent) : QObject(parent) {
  connect(&process_, &QProcess::readyReadStandardOutput, this, [this] { output_ += process_.readAllStandardOutput(); });
  connect(&process_, &QProcess::readyReadStandardError, this, &CToolRun::ReadErrors);
  connect(&process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
    ReadErrors();
    if (!errors_.isEmpty()) messages_ << QString::fromUtf8(errors_);
    errors_.clear();
    emit finished(exitCode, status);
  });
  connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    failedToStart_ = true;
    emit finished(-1, QProcess::CrashExit);
  });
}

CToolRun::~CToolRun() {
  process_.disconnect(this);
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(kStopGraceMs)) process_.kill();
  process_.waitForFinished(kStopGraceMs);
}

void CToolRun::Start(const QString& program, const QStringList& arguments) {
  output_.clear();
  errors_.clear();
  messages_.clear();
  stopRequested_ = false;
  killed_ = false;
  failedToStart_ = false;
  process_.start(program, arguments);
}

void CToolRun::Stop() {
  stopRequested_ = true;
  process_.terminate();
  QTimer::singleShot(kStopGraceMs, &process_, [this] {
    if (process_.state() == QProcess::NotRunning) return;
    killed_ = true;
    process_.kill();
  });
}

void CToolRun::ReadErrors() {
  errors_ += process_.readAllStandardError();
  for (qsizetype end; (end = errors_.indexOf('\n')) >= 0; errors_.remove(0, end + 1)) {
    const QByteArray line = errors_.left(end);
    if (const auto progress = ParseImportProgress(std::string_view(line.constData(), static_cast<std::size_t>(line.size())))) {
      if (!stopRequested_) emit progressed(*progress);
    } else {
      messages_ << QString::fromUtf8(line);
    }
  }
}

}  // namespace skrybon
