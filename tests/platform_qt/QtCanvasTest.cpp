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
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x008000;

// A white image with a canvas on it.
class QtCanvasTest : public ::testing::Test {
  protected:
    QtCanvasTest() : image_(40, 30, QImage::Format_RGB32) { image_.fill(Qt::white); }

    template <typename Draw>
    void Paint(Draw draw) {
        QPainter painter(&image_);
        QtCanvas canvas(painter, QApplication::font());
        draw(canvas);
    }

    TColor At(int x, int y) const { return FromQColor(image_.pixelColor(x, y)); }

    // The pixels of a colour inside [left, right) x [top, bottom).
    int Count(TColor color, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) count += At(x, y) == color ? 1 : 0;
        }
        return count;
    }
    int Count(TColor color) const { return Count(color, 0, 0, image_.width(), image_.height()); }

    QImage image_;
};

TEST_F(QtCanvasTest, HorizontalLineLeavesOutItsEndPoint) {
    Paint([](Canvas& c) {
        c.SetPenColor(kRed);
        c.MoveTo(0, 0);
        c.LineTo(10, 0);
        c.LineTo(3, 0);  // leftwards from the new current point: 10..4
    });
    for (int x = 0; x <= 10; ++x) EXPECT_EQ(At(x, 0), kRed) << x;
    EXPECT_EQ(At(11, 0), kWhite);
    EXPECT_EQ(Count(kRed), 11);
    EXPECT_EQ(At(0, 1), kWhite);
}

TEST_F(QtCanvasTest, VerticalLinesBothWays) {
    Paint([](Canvas& c) {
        c.SetPenColor(kBlue);
        c.SetPenWidth(0);
        c.MoveTo(5, 2);
        c.LineTo(5, 8);
        c.MoveTo(7, 8);
        c.LineTo(7, 2);
    });
    EXPECT_EQ(Count(kBlue, 5, 0, 6, 30), 6);  // 2..7
    EXPECT_EQ(At(5, 2), kBlue);
    EXPECT_EQ(At(5, 8), kWhite);
    EXPECT_EQ(Count(kBlue, 7, 0, 8, 30), 6);  // 8..3
    EXPECT_EQ(At(7, 8), kBlue);
    EXPECT_EQ(At(7, 2), kWhite);
}

TEST_F(QtCanvasTest, DiagonalLineLeavesOutItsEndPoint) {
    Paint([](Canvas& c) {
        c.SetPenColor(kRed);
        c.MoveTo(0, 0);
        c.LineTo(5, 5);
    });
    for (int i = 0; i < 5; ++i) EXPECT_EQ(At(i, i), kRed) << i;
    EXPECT_EQ(At(5, 5), kWhite);
    EXPECT_EQ(Count(kRed), 5);
}

TEST_F(QtCanvasTest, LineToMovesTheCurrentPointEvenWithAClearPen) {
    Paint([](Canvas& c) {
        c.SetPenColor(kRed);
        c.SetPenStyle(PenStyle::Clear);
        c.MoveTo(0, 0);
        c.LineTo(10, 0);
        c.SetPenStyle(PenStyle::Solid);
        c.LineTo(10, 4);
    });
    EXPECT_EQ(At(0, 0), kWhite);
    EXPECT_EQ(Count(kRed), 4);
    EXPECT_EQ(Count(kRed, 10, 0, 11, 4), 4);
}

TEST_F(QtCanvasTest, FillRectCoversLeftToRightMinusOne) {
    Paint([](Canvas& c) {
        c.SetBrushColor(kGreen);
        c.FillRect({2, 3, 6, 5});
        c.FillRect({20, 20, 20, 25});  // empty
    });
    EXPECT_EQ(Count(kGreen), 4 * 2);
    EXPECT_EQ(Count(kGreen, 2, 3, 6, 5), 8);
}

TEST_F(QtCanvasTest, RectangleFramesWithThePenAndFillsWithTheBrush) {
    Paint([](Canvas& c) {
        c.SetPenColor(kRed);
        c.SetPenWidth(1);
        c.SetBrushColor(kGreen);
        c.Rectangle({2, 2, 8, 7});
    });
    // Frame over x 2..7 and y 2..6; inside 3..6 x 3..5.
    EXPECT_EQ(Count(kRed) + Count(kGreen), 6 * 5);
    EXPECT_EQ(Count(kGreen, 3, 3, 7, 6), 4 * 3);
    EXPECT_EQ(At(2, 2), kRed);
    EXPECT_EQ(At(7, 6), kRed);
    EXPECT_EQ(At(8, 6), kWhite);
    EXPECT_EQ(At(7, 7), kWhite);
}

TEST_F(QtCanvasTest, RectangleWithAClearPenDrawsNoFrame) {
    Paint([](Canvas& c) {
        c.SetPenColor(kRed);
        c.SetPenStyle(PenStyle::Clear);
        c.SetBrushColor(kGreen);
        c.Rectangle({2, 2, 8, 7});
    });
    EXPECT_EQ(Count(kRed), 0);
    // Without a pen the fill is one pixel smaller, as on Windows.
    EXPECT_EQ(Count(kGreen), 5 * 4);
    EXPECT_EQ(Count(kGreen, 2, 2, 7, 6), 5 * 4);
}

TEST_F(QtCanvasTest, TextOutPaintsTheBackgroundFromTheTopLeft) {
    int width = 0;
    int height = 0;
    Paint([&](Canvas& c) {
        c.SetBrushColor(kGreen);
        c.SetFontColor(kBlue);
        width = c.TextWidth("Wy");
        height = c.TextHeight("Wy");
        c.TextOut(4, 5, "Wy");
    });
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    EXPECT_EQ(At(4, 5), kGreen);  // the cell's top-left is background, not ink
    EXPECT_EQ(Count(kWhite, 4, 5, 4 + width, 5 + height), 0);
    EXPECT_EQ(At(3, 5), kWhite);
    EXPECT_EQ(At(4, 4), kWhite);
    EXPECT_GT(Count(kGreen, 4, 5, 4 + width, 5 + height), 0);
    EXPECT_NE(Count(kGreen, 4, 5, 4 + width, 5 + height), width * height);  // some ink
}

TEST_F(QtCanvasTest, TextRectFillsTheClipAndKeepsTheTextInside) {
    Paint([](Canvas& c) {
        c.SetBrushColor(kGreen);
        c.SetFontColor(kBlue);
        c.TextRect({5, 5, 12, 20}, 5, 5, "WWWWWWWWWW");
    });
    EXPECT_EQ(Count(kWhite, 5, 5, 12, 20), 0);
    EXPECT_GT(Count(kGreen, 5, 5, 12, 20), 0);
    // Nothing outside the clip, though the text is much wider.
    EXPECT_EQ(Count(kWhite), 40 * 30 - 7 * 15);
}

TEST_F(QtCanvasTest, FontSizeAndBoldChangeTheMeasures) {
    Paint([](Canvas& c) {
        c.SetFontSize(9);
        const int small = c.TextHeight("A");
        const int normalWidth = c.TextWidth("Poniedziałek");
        c.SetFontBold(true);
        EXPECT_GE(c.TextWidth("Poniedziałek"), normalWidth);
        c.SetFontSize(20);
        EXPECT_GT(c.TextHeight("A"), small);
        EXPECT_EQ(c.TextHeight("A"), c.TextHeight("g"));
    });
}

}  // namespace
}  // namespace platform
