#include "platform/qt/Panel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/Pressable.h"
#include "platform/qt/QtColor.h"

namespace platform {

Panel::Panel(QWidget* parent)
    : QFrame(parent), color_(FromQColor(palette().color(QPalette::Window))) {
    setAutoFillBackground(true);
}

TColor Panel::Color() const {
    return color_;
}

void Panel::SetColor(TColor color) {
    color_ = color;
    SetPaletteColor(*this, QPalette::Window, color);
}

void Panel::SetAction(const QString& action) {
    action_ = action;
    setFocusPolicy(action_.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

void Panel::Press() {
    setFocus(Qt::OtherFocusReason);
    emit click();
}

void Panel::SetCaption(const std::string& caption) {
    const QString shown = QString::fromStdString(caption);
    if (shown == caption_) return;
    caption_ = shown;
    update();
    // The caption is what the panel says: assistive technology hears the change, as of a label.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void Panel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!caption_.isEmpty()) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
    PaintFocusFrame(*this, frameWidth() + 1);
}

void Panel::keyPressEvent(QKeyEvent* event) {
    if (action_.isEmpty() || !IsPressKey(*event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    Press();
}

void Panel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    QFrame::mouseReleaseEvent(event);
    if (clicked) emit click();
}

void Panel::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    if (event->button() == Qt::LeftButton) emit doubleClick();
}

}  // namespace platform
