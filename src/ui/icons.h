// SPDX-License-Identifier: GPL-2.0-or-later
// The program's pictures, drawn in code so they stay sharp at any scale and
// read well on light and dark desktops: the 16 x 15 tool-bar images (also
// shown beside the menu items), the program icon and the translation icons.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

#include "data/translation.h"

namespace skrybon {

// The image of a tool-bar command; a null icon for commands without one.
QIcon CommandIcon(int id);
bool HasCommandIcon(int id);

QIcon ProgramIcon();
// The program icon drawn at size x size pixels; the icons installed for the
// desktop's menus are these, at the usual sizes.
QPixmap ProgramIconPixmap(int size);
inline constexpr std::array kProgramIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
QIcon TranslationIcon(TranslationId id);

// The About box picture.
QPixmap AboutPicture(int size, qreal devicePixelRatio);

}  // namespace skrybon
