#include "tests/support/qt/UserInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace user_input {
namespace {

void SendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(target.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

}  // namespace

void Press(QWidget& target, QPoint at, Qt::MouseButton button) {
    SendMouse(target, QEvent::MouseButtonPress, at, button, button);
}

void Release(QWidget& target, QPoint at, Qt::MouseButton button) {
    SendMouse(target, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void Click(QWidget& target, QPoint at) {
    Press(target, at);
    Release(target, at);
}

void DoubleClick(QWidget& target, QPoint at) {
    Click(target, at);
    SendMouse(target, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    Release(target, at);
}

void KeyPress(QWidget& target, int key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &event);
}

void KeyRelease(QWidget& target, int key, bool autoRepeat) {
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&target, &event);
}

void Type(QWidget& target, const QString& text) {
    for (const QChar c : text) KeyPress(target, Qt::Key_unknown, QString(c));
}

void Paste(QWidget& target, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&target, Qt::Key_V, Qt::ControlModifier);
}

void Activate(QWidget& window) {
    window.activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (!window.isActiveWindow() && clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void KeyClicks(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        // Qt's codes of the keys of printable ASCII characters are those of their capitals.
        const int key = c.unicode() < 0x80 ? int{c.toUpper().unicode()} : int{Qt::Key_unknown};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&target, &release);
    }
}

QWidget* DropDownCalendar(QDateTimeEdit& picker) {
    QTest::mouseClick(&picker, Qt::LeftButton, {}, {picker.width() - 4, picker.height() / 2});
    const QCalendarWidget* calendar = picker.calendarWidget();
    if (calendar == nullptr || !calendar->isVisible()) {
        ADD_FAILURE() << "no calendar dropped down";
        return nullptr;
    }
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) ADD_FAILURE() << "nothing has the focus in the dropped calendar";
    return focused;
}

}  // namespace user_input
