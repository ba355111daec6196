#pragma once

#include <string>

#include "platform/Types.h"

namespace platform {

// A cell or box in pixels; right and bottom lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

enum class PenStyle { Solid, Clear };

// The drawing surface of an owner-drawn grid, with the semantics the painters were written
// for: a pen, a brush and a font held as state; lines that leave out their end point; text
// drawn on a background of the brush colour. The windows draw on Qt's painter; tests record
// the calls.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void SetPenWidth(int width) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual void SetBrushColor(TColor color) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontColor(TColor color) = 0;

    // Fills the rectangle with the brush; no frame.
    virtual void FillRect(const Rect& rect) = 0;
    // A frame in the pen, the inside filled with the brush.
    virtual void Rectangle(const Rect& rect) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current point to (x, y), the end point itself not drawn.
    virtual void LineTo(int x, int y) = 0;
    // Text with its top-left corner at (x, y), its background painted in the brush colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Fills `clip` with the brush, then draws the text at (x, y) clipped to `clip`.
    virtual void TextRect(const Rect& clip, int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
};

}  // namespace platform
