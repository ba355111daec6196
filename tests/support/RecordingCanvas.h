#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace testing_support {

// A canvas that draws nothing and writes down every drawing call as one readable line with
// the state it draws in, so a test can compare a painter's output with what it expects:
//   "FillRect 0,0,200,16 brush=C0C0C0"
//   "Rectangle 0,16,90,32 pen=1,Solid,000000 brush=00FF00"
//   "MoveTo 0,0"  "LineTo 200,0 pen=0,Solid,000000"
//   "TextOut 4,1 \"Poniedziałek\" font=9,bold,000080 brush=C0C0C0"
//   "TextRect 0,16,89,32 at 9,17 \"Test\" font=9,bold,000000 brush=00FF00"
// Colours are the TColor values in hex (BBGGRR). Setters only change the state; they are
// seen through the calls that use it. Text is measured in the font in force: a character (a
// UTF-8 sequence is one character) is the point size less 2 pixels wide, one pixel less when
// not bold, and a text is the point size plus 4 pixels high; so 9-point bold, the painters'
// font, gives 7 by 13, and a text measured in any other font lands elsewhere.
class RecordingCanvas : public platform::Canvas {
  public:
    static constexpr int kCharWidth = 7;    // 9-point bold
    static constexpr int kTextHeight = 13;  // 9-point

    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenStyle(platform::PenStyle style) override { penStyle_ = style; }
    void SetPenColor(TColor color) override { penColor_ = color; }
    void SetBrushColor(TColor color) override { brushColor_ = color; }
    void SetFontSize(int points) override { fontSize_ = points; }
    void SetFontBold(bool bold) override { fontBold_ = bold; }
    void SetFontColor(TColor color) override { fontColor_ = color; }

    void FillRect(const platform::Rect& rect) override;
    void Rectangle(const platform::Rect& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextRect(const platform::Rect& clip, int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

  private:
    std::string Pen() const;
    std::string Brush() const;
    std::string Font() const;

    // The state of a fresh grid canvas.
    int penWidth_ = 1;
    platform::PenStyle penStyle_ = platform::PenStyle::Solid;
    TColor penColor_ = 0x000000;
    TColor brushColor_ = 0xFFFFFF;
    int fontSize_ = 8;
    bool fontBold_ = false;
    TColor fontColor_ = 0x000000;
    std::vector<std::string> calls_;
};

}  // namespace testing_support
