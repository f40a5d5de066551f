#include "ui/about_dialog.h"

namespace skrybon {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) { setWindowTitle(QStringLiteral("O programie")); }

}  // namespace skrybon
