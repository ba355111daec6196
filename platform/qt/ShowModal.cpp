#include "platform/qt/ShowModal.h"

#include <QDialog>

namespace platform {

// As Qt's own Tab does: a widget whose focus goes to another (a calendar to its table of
// days) takes it when that other one does, and a part of a compound control that passes its
// focus up to the control (the line edit of a date picker) is not a field of its own.
QWidget* FirstField(QWidget& window) {
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        QWidget* taker = widget;
        while (taker->focusProxy() != nullptr) taker = taker->focusProxy();
        if (taker != widget && taker->isAncestorOf(widget)) continue;
        if (widget->window() == &window && widget->isVisibleTo(&window) && widget->isEnabled() &&
            taker->isEnabled() && (taker->focusPolicy() & Qt::TabFocus))
            return widget;
    }
    return nullptr;
}

int ShowModal(QDialog& dialog) {
    if (QWidget* first = FirstField(dialog)) first->setFocus(Qt::OtherFocusReason);
    return dialog.exec();
}

}  // namespace platform
