#include "platform/qt/Label.h"

#include "platform/qt/QtColor.h"

namespace platform {

Label::Label(QWidget* parent) : QLabel(parent) {}

void Label::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
    if (!wordWrap()) adjustSize();
}

void Label::SetFontColor(TColor color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(colors);
}

}  // namespace platform
