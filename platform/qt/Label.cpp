#include "platform/qt/Label.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/qt/Pressable.h"
#include "platform/qt/QtColor.h"

namespace platform {

Label::Label(QWidget* parent) : QLabel(parent) {}

void Label::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
    if (!wordWrap()) adjustSize();
}

void Label::SetFontColor(TColor color) {
    SetPaletteColor(*this, QPalette::WindowText, color);
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

LinkLabel::LinkLabel(QWidget* parent) : Label(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    Label::paintEvent(event);
    PaintFocusFrame(*this, 0);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (!IsPressKey(*event)) {
        Label::keyPressEvent(event);
        return;
    }
    event->accept();
    Press();
}

}  // namespace platform
