// SPDX-License-Identifier: GPL-2.0-or-later
// Context help of the controls of dialogs and bars: each control with a help
// id in the help table (ui/help_topics.h) gets its pop-up text as Qt's
// "What's This" text, which the What's This mode (Shift+F1, or the "?"
// button in a dialog's caption) shows; F1 shows the text of the control that
// has the focus, beside it.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

namespace skrybon {

// Gives the controls of root their texts. Controls are found by their object
// name "control<id>" unless listed in controls. When root is a window (a
// dialog), F1 inside it shows the focused control's text and otherwise does
// nothing, and the right button on a control (not a text field) shows its
// text; in the main frame the frame's F1 command does that.
void InstallContextHelp(QWidget& root, int dialogId, std::initializer_list<std::pair<int, QWidget*>> controls = {});

// The pop-up text for a widget: its own or its nearest ancestor's within its window.
QString ContextHelpText(const QWidget* widget);

// Shows that text beside the widget; false when it has none.
bool ShowContextHelp(QWidget* widget);

}  // namespace skrybon
