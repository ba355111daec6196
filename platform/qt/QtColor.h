#pragma once

#include <QColor>

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

}  // namespace platform
