#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtColor.h"

namespace platform {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x008000;

// Paints on a white 40 x 30 image and counts the pixels of a colour.
class QtCanvasTest : public ::testing::Test {
  protected:
    template <typename Draw>
    void Paint(Draw draw) {
        QPainter painter(&image_);
        QtCanvas canvas(painter, QApplication::font());
        canvas.SetPenColor(kRed);
        canvas.SetBrushColor(kGreen);
        draw(canvas);
    }

    TColor At(int x, int y) const { return FromQColor(image_.pixelColor(x, y)); }

    int Count(TColor color, const Rect& area = {0, 0, 40, 30}) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += At(x, y) == color;
        }
        return count;
    }

    QImage image_ = [] {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }();
};

TEST_F(QtCanvasTest, LinesLeaveOutTheirEndPointAndMoveTheCurrentPoint) {
    Paint([](Canvas& c) {
        c.MoveTo(0, 0);
        c.LineTo(10, 0);  // 0..9
        c.LineTo(10, 4);  // 0..3 below 10
        c.MoveTo(20, 9);
        c.LineTo(20, 5);  // upwards: 9..6
        c.MoveTo(30, 0);
        c.LineTo(35, 5);  // diagonal: 5 pixels
    });
    EXPECT_EQ(Count(kRed, {0, 0, 11, 1}), 11);
    EXPECT_EQ(Count(kRed, {10, 0, 11, 5}), 4);
    EXPECT_EQ(At(10, 4), kWhite);
    EXPECT_EQ(Count(kRed, {20, 0, 21, 30}), 4);
    EXPECT_EQ(At(20, 5), kWhite);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(At(30 + i, i), kRed);
    EXPECT_EQ(At(35, 5), kWhite);
    EXPECT_EQ(Count(kRed), 11 + 3 + 4 + 5);
}

TEST_F(QtCanvasTest, AClearPenDrawsNoLineButMoves) {
    Paint([](Canvas& c) {
        c.SetPenStyle(PenStyle::Clear);
        c.MoveTo(0, 0);
        c.LineTo(10, 0);
        c.SetPenStyle(PenStyle::Solid);
        c.SetPenWidth(0);
        c.LineTo(10, 4);
    });
    EXPECT_EQ(Count(kRed), 4);
    EXPECT_EQ(Count(kRed, {10, 0, 11, 4}), 4);
}

TEST_F(QtCanvasTest, RectanglesCoverLeftToRightMinusOne) {
    Paint([](Canvas& c) {
        c.FillRect({30, 20, 34, 22});
        c.FillRect({20, 20, 20, 25});  // empty
        c.Rectangle({2, 2, 8, 7});
        c.SetPenStyle(PenStyle::Clear);
        c.Rectangle({12, 2, 18, 7});
    });
    EXPECT_EQ(Count(kGreen, {30, 20, 34, 22}), 8);
    // Frame over 2..7 x 2..6, the inside 3..6 x 3..5 in the brush.
    EXPECT_EQ(Count(kRed), 6 * 5 - 4 * 3);
    EXPECT_EQ(Count(kGreen, {3, 3, 7, 6}), 4 * 3);
    EXPECT_EQ(At(8, 6), kWhite);
    EXPECT_EQ(At(7, 7), kWhite);
    // Without a pen, Windows fills one pixel less in width and height.
    EXPECT_EQ(Count(kGreen, {12, 2, 18, 7}), 5 * 4);
    EXPECT_EQ(Count(kGreen), 8 + 4 * 3 + 5 * 4);
}

TEST_F(QtCanvasTest, TextOutHasItsTopLeftAtThePointOnTheBrushColour) {
    int width = 0;
    int height = 0;
    Paint([&](Canvas& c) {
        c.SetFontColor(0xFF0000);
        width = c.TextWidth("Wy");
        height = c.TextHeight("Wy");
        c.TextOut(4, 5, "Wy");
    });
    ASSERT_GT(width, 0);
    EXPECT_EQ(At(4, 5), kGreen);
    EXPECT_EQ(Count(kWhite, {4, 5, 4 + width, 5 + height}), 0);
    EXPECT_LT(Count(kGreen, {4, 5, 4 + width, 5 + height}), width * height);  // some ink
    EXPECT_EQ(Count(kWhite), 40 * 30 - width * height);
}

TEST_F(QtCanvasTest, TextRectFillsTheClipAndKeepsTheTextInside) {
    Paint([](Canvas& c) { c.TextRect({5, 5, 12, 20}, 5, 5, "WWWWWWWWWW"); });
    EXPECT_EQ(Count(kWhite), 40 * 30 - 7 * 15);
}

// The painters set the style to bold or plain and nothing else: an italic, underlined or
// struck-out widget font keeps only its face.
TEST(QtCanvasFont, StyleIsBoldOrPlainWhateverTheWidgetFont) {
    const auto draw = [](const QFont& widgetFont, bool bold) {
        QImage image(80, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, widgetFont);
        canvas.SetFontSize(9);
        canvas.SetFontBold(bold);
        canvas.TextOut(2, 2, "Wyg");
        return image;
    };
    QFont styled = QApplication::font();
    styled.setItalic(true);
    styled.setUnderline(true);
    styled.setStrikeOut(true);
    EXPECT_EQ(draw(styled, true), draw(QApplication::font(), true));
    EXPECT_EQ(draw(styled, false), draw(QApplication::font(), false));
    EXPECT_NE(draw(QApplication::font(), true), draw(QApplication::font(), false));
}

}  // namespace
}  // namespace platform
