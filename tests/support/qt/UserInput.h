#pragma once

#include <QPoint>
#include <QString>

class QDateTimeEdit;
class QWidget;

// What a user does to a widget, delivered as the events Qt itself would send.
namespace user_input {

void Press(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Click(QWidget& target, QPoint at);
// A click, the second press as a double click, and its release.
void DoubleClick(QWidget& target, QPoint at);
void KeyPress(QWidget& target, int key, const QString& text = QString());
void KeyRelease(QWidget& target, int key, bool autoRepeat = false);
void Type(QWidget& target, const QString& text);
// Puts the text on the clipboard and pastes it with Ctrl+V.
void Paste(QWidget& target, const QString& text);
// Makes the window the active one, as a click on it does, and waits until the window system
// has made it so (at once offscreen, a moment later on a real display).
void Activate(QWidget& window);
// Types the text as a keyboard does: each character pressed and released with its key's code
// (Qt::Key_1 for "1"), for widgets that read the key rather than the text.
void KeyClicks(QWidget& target, const QString& text);
// Drops a date edit's calendar down with a click on its arrow and gives the widget that has the
// focus then, to type into; null, the test failed, when no calendar shows or nothing has focus.
QWidget* DropDownCalendar(QDateTimeEdit& picker);

}  // namespace user_input
