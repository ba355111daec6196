#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cstdlib>

#include "platform/qt/QtColor.h"

namespace platform {
namespace {

// The pixels of the line from `from` to `to` (Bresenham), the end point left out.
QPolygon LinePixels(QPoint from, QPoint to) {
    QPolygon pixels;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    while (p != to) {
        pixels << p;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += stepY;
        }
    }
    return pixels;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QFont& baseFont) : painter_(painter), font_(baseFont) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QFontMetrics QtCanvas::Metrics() const {
    return QFontMetrics(font_, painter_.device());
}

void QtCanvas::SetFontBold(bool bold) {
    font_.setBold(bold);
    font_.setItalic(false);
    font_.setUnderline(false);
    font_.setStrikeOut(false);
}

void QtCanvas::Fill(int left, int top, int width, int height, TColor color) {
    if (width <= 0 || height <= 0) return;
    painter_.fillRect(QRect(left, top, width, height), ToQColor(color));
}

void QtCanvas::FillRect(const Rect& rect) {
    Fill(rect.left, rect.top, rect.Width(), rect.Height(), brushColor_);
}

void QtCanvas::Rectangle(const Rect& rect) {
    if (penStyle_ == PenStyle::Clear) {
        // Without a pen Windows fills one pixel less in width and height.
        Fill(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1, brushColor_);
        return;
    }
    const int t = PenThickness();
    Fill(rect.left, rect.top, rect.Width(), rect.Height(), penColor_);
    Fill(rect.left + t, rect.top + t, rect.Width() - 2 * t, rect.Height() - 2 * t, brushColor_);
}

void QtCanvas::LineTo(int x, int y) {
    const QPoint from = position_;
    position_ = QPoint(x, y);
    if (penStyle_ == PenStyle::Clear || from == position_) return;

    const int t = PenThickness();
    const int offset = (t - 1) / 2;
    if (from.y() == y) {
        const int left = from.x() < x ? from.x() : x + 1;
        Fill(left, y - offset, std::abs(x - from.x()), t, penColor_);
    } else if (from.x() == x) {
        const int top = from.y() < y ? from.y() : y + 1;
        Fill(x - offset, top, t, std::abs(y - from.y()), penColor_);
    } else {
        painter_.save();
        QPen pen(ToQColor(penColor_), t > 1 ? t : 0);
        pen.setCapStyle(Qt::SquareCap);
        painter_.setPen(pen);
        painter_.drawPoints(LinePixels(from, position_));
        painter_.restore();
    }
}

void QtCanvas::DrawText(int x, int y, const QString& text) {
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(ToQColor(fontColor_));
    painter_.drawText(QPoint(x, y + Metrics().ascent()), text);
    painter_.restore();
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    const QFontMetrics metrics = Metrics();
    Fill(x, y, metrics.horizontalAdvance(qtext), metrics.height(), brushColor_);
    DrawText(x, y, qtext);
}

void QtCanvas::TextRect(const Rect& clip, int x, int y, const std::string& text) {
    FillRect(clip);
    if (clip.Width() <= 0 || clip.Height() <= 0) return;
    painter_.save();
    painter_.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
    DrawText(x, y, QString::fromStdString(text));
    painter_.restore();
}

int QtCanvas::TextWidth(const std::string& text) {
    return Metrics().horizontalAdvance(QString::fromStdString(text));
}

// Like Windows, the height of the font, whatever the text.
int QtCanvas::TextHeight(const std::string& /*text*/) {
    return Metrics().height();
}

}  // namespace platform
