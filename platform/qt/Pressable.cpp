#include "platform/qt/Pressable.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <utility>

namespace platform {

bool IsPressKey(const QKeyEvent& event) {
    if (event.isAutoRepeat() || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
           event.key() == Qt::Key_Enter;
}

void PaintFocusFrame(QWidget& control, int inset) {
    if (!control.hasFocus()) return;
    // Seen on whatever colour the control shows, a colour swatch's among others: a dotted black
    // line over a white one.
    QPainter painter(&control);
    const QRect frame = control.rect().adjusted(inset, inset, -inset - 1, -inset - 1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(frame);
}

void PressAfterReply(QWidget& control, std::function<void()> press) {
    if (!control.isEnabled()) return;
    // The control is the call's context: a control deleted meanwhile takes the call with it.
    QMetaObject::invokeMethod(
        &control,
        [&control, press = std::move(press)] {
            if (control.isEnabled()) press();
        },
        Qt::QueuedConnection);
}

}  // namespace platform
