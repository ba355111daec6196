#include "tests/support/RecordingCanvas.h"

#include "platform/Numbers.h"

namespace testing_support {
namespace {

std::string Colour(TColor color) {
    return platform::IntToHex(color, 6);
}

std::string Point(int x, int y) {
    return platform::IntToStr(x) + "," + platform::IntToStr(y);
}

std::string Box(const platform::Rect& r) {
    return Point(r.left, r.top) + "," + Point(r.right, r.bottom);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Counts UTF-8 sequences: every byte that does not continue a sequence starts a character.
int Characters(const std::string& text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

void RecordingCanvas::FillRect(const platform::Rect& rect) {
    calls_.push_back("FillRect " + Box(rect) + " " + Brush());
}

void RecordingCanvas::Rectangle(const platform::Rect& rect) {
    calls_.push_back("Rectangle " + Box(rect) + " " + Pen() + " " + Brush());
}

void RecordingCanvas::MoveTo(int x, int y) {
    calls_.push_back("MoveTo " + Point(x, y));
}

void RecordingCanvas::LineTo(int x, int y) {
    calls_.push_back("LineTo " + Point(x, y) + " " + Pen());
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    calls_.push_back("TextOut " + Point(x, y) + " " + Quoted(text) + " " + Font() + " " + Brush());
}

void RecordingCanvas::TextRect(const platform::Rect& clip, int x, int y, const std::string& text) {
    calls_.push_back("TextRect " + Box(clip) + " at " + Point(x, y) + " " + Quoted(text) + " " +
                     Font() + " " + Brush());
}

int RecordingCanvas::TextWidth(const std::string& text) {
    return (fontSize_ - (fontBold_ ? 2 : 3)) * Characters(text);
}

int RecordingCanvas::TextHeight(const std::string&) {
    return fontSize_ + 4;
}

std::string RecordingCanvas::Pen() const {
    const char* style = penStyle_ == platform::PenStyle::Solid ? "Solid" : "Clear";
    return "pen=" + platform::IntToStr(penWidth_) + "," + style + "," + Colour(penColor_);
}

std::string RecordingCanvas::Brush() const {
    return "brush=" + Colour(brushColor_);
}

std::string RecordingCanvas::Font() const {
    return "font=" + platform::IntToStr(fontSize_) + (fontBold_ ? ",bold," : ",regular,") +
           Colour(fontColor_);
}

}  // namespace testing_support
