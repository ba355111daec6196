#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include "platform/Types.h"

namespace platform {

// TColor keeps red in the low byte (0x00BBGGRR); the high byte is ignored.
inline QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline TColor FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(rgb.red()) | (static_cast<TColor>(rgb.green()) << 8) |
           (static_cast<TColor>(rgb.blue()) << 16);
}

// Gives one colour role of the widget's palette the colour, leaving the others as they were.
inline void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, TColor color) {
    QPalette colors = widget.palette();
    colors.setColor(role, ToQColor(color));
    widget.setPalette(colors);
}

}  // namespace platform
