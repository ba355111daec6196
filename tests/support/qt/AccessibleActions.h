#pragma once

#include <QString>

class QWidget;

// What a screen reader or a voice-control tool does to a widget, through the accessibility
// interface Qt gives the widget (not through the widget's own setters).
namespace accessible_actions {

// The control's own "Toggle" action: a check box or a checkable button changes its state.
void Toggle(QWidget& control);
// The control's own "Press" action, as a button, a link or a colour swatch has it, then the
// event loop's next round, in which the press runs. The call must reply before the press opens
// any window: a window shown during the call fails the test (a modal one is handled by a
// surrounding testing_support::ExpectModal, which then sees it opened after the reply).
void Press(QWidget& control);
// The "Press" action of one item of a grid, as `Press` gives a control's.
void PressItem(QWidget& view, int row, int column = 0);
// The "Toggle" action of one item of a list or grid: it selects the item, or unselects it, or
// in a check list ticks or unticks it.
void ToggleItem(QWidget& view, int row, int column = 0);
// Replaces the whole text of an edit, as an on-screen keyboard or dictation does.
void ReplaceText(QWidget& edit, const QString& text);
// Inserts a text at a character offset, as an on-screen keyboard does.
void InsertText(QWidget& edit, int offset, const QString& text);
// Sets the edit's value, as voice control does.
void SetValue(QWidget& edit, const QString& text);

}  // namespace accessible_actions
