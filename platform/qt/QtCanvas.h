#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPoint>

#include "platform/Canvas.h"

class QPainter;

namespace platform {

// The canvas over a QPainter, drawing pixel for pixel as the Windows canvas the painters were
// written for: aliased, lines without their end point, frames inside the rectangle and text on
// an opaque background of the brush colour. The font keeps the face of the widget's font; the
// painters set its size, style and colour.
class QtCanvas : public Canvas {
  public:
    QtCanvas(QPainter& painter, const QFont& baseFont);

    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void SetPenColor(TColor color) override { penColor_ = color; }
    void SetBrushColor(TColor color) override { brushColor_ = color; }
    void SetFontSize(int points) override { font_.setPointSize(points); }
    // The whole style: bold or plain, never italic, underlined or struck out, whatever the
    // widget's font is.
    void SetFontBold(bool bold) override;
    void SetFontColor(TColor color) override { fontColor_ = color; }

    void FillRect(const Rect& rect) override;
    void Rectangle(const Rect& rect) override;
    void MoveTo(int x, int y) override { position_ = QPoint(x, y); }
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextRect(const Rect& clip, int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

  private:
    // Widths 0 and 1 both mean a line one pixel wide.
    int PenThickness() const { return penWidth_ > 1 ? penWidth_ : 1; }
    void Fill(int left, int top, int width, int height, TColor color);
    void DrawText(int x, int y, const QString& text);
    QFontMetrics Metrics() const;

    QPainter& painter_;
    QFont font_;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    TColor penColor_ = 0x000000;
    TColor brushColor_ = 0xFFFFFF;
    TColor fontColor_ = 0x000000;
    QPoint position_;
};

}  // namespace platform
