#include "platform/qt/ShowModal.h"

#include <QDialog>
#include <QEvent>

namespace platform {
namespace {

// Qt tells a window it is shown after the window's own show handler (where the program's
// dialogs fill their fields) and before the dialog chooses its focus, so the first field is
// chosen among the controls as they are shown and the dialog's filling does not undo what the
// focus does (a text set after it loses its selection). It is given the focus as if tabbed to,
// whether or not the window system has made the dialog active yet: an edit's text is selected
// whole, as Qt's dialogs do on their first showing.
class FocusFirstFieldOnShow : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent) {
            if (QWidget* first = FirstField(*static_cast<QWidget*>(watched)))
                first->setFocus(Qt::TabFocusReason);
        }
        return false;
    }
};

}  // namespace

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
    FocusFirstFieldOnShow focus;
    dialog.installEventFilter(&focus);
    return dialog.exec();
}

}  // namespace platform
