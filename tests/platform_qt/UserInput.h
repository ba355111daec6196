#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

// What a user does to a widget, delivered as the events Qt itself would send.
namespace user_input {

void Press(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// Press and release at one point.
void Click(QWidget& target, QPoint at);
// Click, then the second press as a double click, then its release.
void DoubleClick(QWidget& target, QPoint at);
void KeyPress(QWidget& target, int key, const QString& text = QString());
void KeyRelease(QWidget& target, int key, bool autoRepeat = false);
void Type(QWidget& target, const QString& text);

}  // namespace user_input
