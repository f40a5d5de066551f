// SPDX-License-Identifier: GPL-2.0-or-later
// One run of skrybon-tool for a window at a time: its standard output is
// gathered whole; its standard error is read line by line as it comes, a
// "progress<TAB>DONE<TAB>TOTAL" line reported as progress and every other
// line kept as one of the tool's messages. Stop asks the tool to end and
// kills it should it still run after a grace time; a run still going when the
// object goes is stopped the same way and waited for, reporting nothing.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "data/import_messages.h"

namespace skrybon {

class CToolRun : public QObject {
  Q_OBJECT

 public:
  explicit CToolRun(QObject* parent = nullptr);
  ~CToolRun() override;

  void Start(const QString& program, const QStringList& arguments);
  void Stop();

  bool StopRequested() const { return stopRequested_; }
  bool Killed() const { return killed_; }  // a stop that was not heeded
  bool FailedToStart() const { return failedToStart_; }
  QString ErrorString() const { return process_.errorString(); }
  const QByteArray& Output() const { return output_; }
  const QStringList& Messages() const { return messages_; }

 signals:
  // Not after Stop.
  void progressed(ImportProgress progress);
  // The run ended and all it wrote was read; a tool that could not start
  // ends with -1 and CrashExit.
  void finished(int exitCode, QProcess::ExitStatus status);

 private:
  void ReadErrors();

  QProcess process_;
  QByteArray output_;
  QByteArray errors_;  // standard error not yet split into lines
  QStringList messages_;
  bool stopRequested_ = false;
  bool killed_ = false;
  bool failedToStart_ = false;
};

}  // namespace skrybon
