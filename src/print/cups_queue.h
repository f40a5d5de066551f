// SPDX-License-Identifier: GPL-2.0-or-later
// Hands a finished PDF file to a CUPS print queue as one job, with the
// paper, orientation, copies and sides chosen for the printer. A print job
// for a queue is drawn into such a file first, so that "Anuluj" discards it
// whole: the queue never receives a half-drawn document.
#pragma once

#include <QString>

class QPrinter;

namespace skrybon {

// Empty on success, else CUPS's reason.
QString SubmitToCupsQueue(const QPrinter& printer, const QString& pdfPath, const QString& title);

}  // namespace skrybon
