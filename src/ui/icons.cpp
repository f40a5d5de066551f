#include "ui/icons.h"

namespace skrybon {

QIcon CommandIcon(int) { return QIcon(); }
bool HasCommandIcon(int) { return false; }
QIcon ProgramIcon() { return QIcon(); }
QIcon TranslationIcon(TranslationId) { return QIcon(); }
QPixmap AboutPicture(int size, qreal) { return QPixmap(size, size); }

}  // namespace skrybon
