#pragma once

#include <QString>

class QWidget;

// What a screen reader or a voice-control tool does to a widget, through the accessibility
// interface Qt gives the widget (not through the widget's own setters).
namespace accessible_actions {

// The control's own "Toggle" action: a check box or a checkable button changes its state.
void Toggle(QWidget& control);
// The control's own "Press" action, as a button, a link or a colour swatch has it.
void Press(QWidget& control);
// The "Toggle" action of one item of a list or grid: it selects the item, or unselects it.
void ToggleItem(QWidget& view, int row, int column = 0);
// Replaces the whole text of an edit, as an on-screen keyboard or dictation does.
void ReplaceText(QWidget& edit, const QString& text);
// Inserts a text at a character offset, as an on-screen keyboard does.
void InsertText(QWidget& edit, int offset, const QString& text);
// Sets the edit's value, as voice control does.
void SetValue(QWidget& edit, const QString& text);

}  // namespace accessible_actions
