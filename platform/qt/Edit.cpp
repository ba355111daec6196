#include "platform/qt/Edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <limits>

#include "platform/qt/Cp1250Filter.h"
#include "platform/qt/QtColor.h"

namespace platform {
namespace {

// The windows count only moves between their own controls as leaving or entering an edit,
// not the window losing the focus to another window or a pop-up and getting it back.
bool IsFocusMove(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

// The keys that open a drop-down list.
bool OpensDropDown(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F4:
            return modifiers == Qt::NoModifier;
        case Qt::Key_Down:
            return modifiers == Qt::AltModifier;
        default:
            return false;
    }
}

}  // namespace

Edit::Edit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new Cp1250Filter([this](const QString&) { return programmatic_; }, this));
    // QLineEdit's default cuts a text at 32767 characters; the document's texts may be longer.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &Edit::TextChanged);
}

void Edit::SetChosenFromMenu(bool chosen) {
    chosenFromMenu_ = chosen;
    chosenText_ = text();
    if (chosen) setReadOnly(true);
}

void Edit::SetText(const std::string& text) {
    const QScopedValueRollback quiet(programmatic_, true);
    setText(QString::fromStdString(text));
    chosenText_ = this->text();
}

void Edit::TextChanged() {
    if (programmatic_) return;
    if (chosenFromMenu_) {
        const QScopedValueRollback quiet(programmatic_, true);
        setText(chosenText_);
        return;
    }
    emit changed();
}

void Edit::SetColor(TColor color) {
    SetPaletteColor(*this, QPalette::Base, color);
}

void Edit::SetFontColor(TColor color) {
    SetPaletteColor(*this, QPalette::Text, color);
}

void Edit::keyPressEvent(QKeyEvent* event) {
    if (chosenFromMenu_ && OpensDropDown(*event)) {
        event->accept();
        emit dropDown();
        return;
    }
    QLineEdit::keyPressEvent(event);
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
        if (chosenFromMenu_) emit dropDown();
    }
}

}  // namespace platform
