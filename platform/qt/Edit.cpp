#include "platform/qt/Edit.h"

#include <QMouseEvent>

#include "platform/qt/Cp1250Filter.h"
#include "platform/qt/QtColor.h"

namespace platform {
namespace {

// The windows count only moves between their own controls as leaving or entering an edit,
// not the window losing the focus to another window or a pop-up and getting it back.
bool IsFocusMove(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

}  // namespace

Edit::Edit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new Cp1250Filter(this));
    connect(this, &QLineEdit::textEdited, this, &Edit::changed);
}

void Edit::SetColor(TColor color) {
    SetPaletteColor(*this, QPalette::Base, color);
}

void Edit::SetFontColor(TColor color) {
    SetPaletteColor(*this, QPalette::Text, color);
}

void Edit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (IsFocusMove(*event)) emit enter();
}

void Edit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsFocusMove(*event)) emit exit();
}

void Edit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit click();
    }
}

}  // namespace platform
