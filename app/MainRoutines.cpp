#include "app/MainRoutines.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/CommonTexts.h"
#include "platform/ScreenPlacement.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Panel.h"
#include "platform/qt/QtColor.h"
#include "platform/qt/ShowModal.h"

QPoint CentredPosition(QPoint ownerPos, QSize ownerSize, QSize dialogSize) {
    // An arithmetic shift halves toward minus infinity, as the original placement did.
    return {ownerPos.x() + ((ownerSize.width() - dialogSize.width()) >> 1),
            ownerPos.y() + ((ownerSize.height() - dialogSize.height()) >> 1)};
}

QSize SettleShownSize(QWidget& window) {
    // Showing gives a window never sized its layout's size, and any window at least its
    // layout's minimum; the platform adds the frame once the window exists.
    window.ensurePolished();
    if (window.layout() != nullptr) window.layout()->activate();
    if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
    window.winId();
    return window.frameGeometry().size();
}

void MoveFrameTo(QWidget& window, QPoint corner) {
    window.move(corner);
    // Once the native window exists, move() places its contents where the frame is wanted, the
    // frame's margins being unknown until a window manager has framed it: a title bar would
    // then sit above the corner. The native window is asked to place its frame there instead.
    if (QWindow* native = window.windowHandle()) native->setFramePosition(corner);
}

std::vector<platform::Rect> ScreenAreas() {
    std::vector<platform::Rect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    QList<QScreen*> screens = QGuiApplication::screens();
    std::stable_partition(screens.begin(), screens.end(),
                          [primary](const QScreen* screen) { return screen == primary; });
    for (const QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        areas.push_back(
            {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    }
    return areas;
}

int ShowCentredModal(QDialog& form, QWidget& owner) {
    const QSize size = SettleShownSize(form);
    // Over a main window partly off the screen, centred alone would put buttons out of reach.
    const QPoint centred = CentredPosition(owner.pos(), owner.frameGeometry().size(), size);
    const platform::WindowPosition kept = platform::KeptOnScreen(
        centred.x(), centred.y(), size.width(), size.height(), ScreenAreas());
    MoveFrameTo(form, QPoint(kept.left, kept.top));
    return platform::ShowModal(form);
}

std::string DayName(int i) {
    return i >= 0 && i < 7 ? PolishDayNames()[i] : std::string();
}

void FillDaysComboBox(int from, int to, platform::ComboBox& combo, int selection) {
    combo.ClearItems();
    combo.SetText("");
    for (int i = from; i <= to; ++i) combo.AddItem(DayName(i));
    combo.SetItemIndex(selection >= 0 && selection < combo.ItemCount() ? selection : -1);
}

void SelectComboBoxItem(platform::ComboBox& combo, int index) {
    combo.SetItemIndex(index >= 0 && index < combo.ItemCount() ? index : -1);
    emit combo.changed();
}

void SelectPrevComboBoxItem(platform::ComboBox& combo) {
    const int index = combo.ItemIndex();
    if (index < 0) return;
    combo.SetItemIndex(index == 0 ? combo.ItemCount() - 1 : index - 1);
    emit combo.changed();
}

void SelectNextComboBoxItem(platform::ComboBox& combo) {
    const int index = combo.ItemIndex();
    if (index < 0) return;
    combo.SetItemIndex(index == combo.ItemCount() - 1 ? 0 : index + 1);
    emit combo.changed();
}

int BarWidth(double value, double top, int containerWidth) {
    if (top <= 0.0) return 0;
    if (value > top) value = top;
    const double width = std::trunc(value / top * containerWidth);
    return width > 0 ? static_cast<int>(width) : 0;
}

int CentredLeft(int boxWidth, int width) {
    return (boxWidth - width) / 2;
}

void SetBar(double value, double top, QWidget& container, platform::Panel& fill) {
    const int width = BarWidth(value, top, container.width());
    fill.setVisible(width > 0);
    if (width > 0) fill.setGeometry(0, 0, width, container.height());
}

void SetBarWithMarker(double value, double top, QWidget& container, platform::Panel& fill,
                      QLabel& marker, double threshold, TColor above, TColor atOrUnder) {
    SetBar(value, top, container, fill);
    // A hidden fill keeps the marker and the colour it had.
    if (BarWidth(value, top, container.width()) == 0) return;
    const double clamped = value > top ? top : value;
    marker.setGeometry(0, 0, fill.width(), fill.height());
    marker.setVisible(clamped > threshold);
    fill.SetColor(clamped > threshold ? above : atOrUnder);
}

void ActivateLayouts(QWidget& widget) {
    std::vector<QWidget*> holders;
    for (QWidget* holder = widget.parentWidget(); holder != nullptr;
         holder = holder->isWindow() ? nullptr : holder->parentWidget())
        holders.push_back(holder);
    for (auto holder = holders.rbegin(); holder != holders.rend(); ++holder)
        if ((*holder)->layout() != nullptr) (*holder)->layout()->activate();
}

void SetElidedText(QLabel& label, const std::string& text) {
    // The label's font comes from its style sheet, its width from the layouts it stands in.
    label.ensurePolished();
    ActivateLayouts(label);
    SetElidedText(label, text, label.contentsRect().width());
}

void SetElidedText(QLabel& label, const std::string& text, int width) {
    label.ensurePolished();
    const QString whole = QString::fromStdString(text);
    // Only a prefix is measured: no character is narrower than a pixel, so one more character
    // than the width has pixels is cut all the same, and a text of millions of characters
    // costs what a line of the label does.
    const QString prefix = whole.first(std::min<qsizetype>(whole.size(), std::max(width, 0) + 1));
    const QString shown = label.fontMetrics().elidedText(prefix, Qt::ElideRight, width);
    label.setText(shown);
    label.setToolTip(shown == whole ? QString() : whole);
    label.setAccessibleName(shown == whole ? QString() : whole);
}

void SetNumberBeforeBar(QLabel& label, QWidget& bar, const std::string& number) {
    label.ensurePolished();
    const int gap = bar.x() - (label.x() + label.width());
    const int rowRight = bar.x() + bar.width();
    const QMargins margins = label.contentsMargins();
    // Measured unrounded: a width rounded down would have the number cut short after all.
    const int needed =
        static_cast<int>(std::ceil(
            QFontMetricsF(label.font()).horizontalAdvance(QString::fromStdString(number)))) +
        margins.left() + margins.right();
    const int widest = std::max(label.minimumWidth(), (rowRight - gap - label.x()) / 2);
    label.resize(std::clamp(needed, label.minimumWidth(), widest), label.height());
    SetElidedText(label, number, label.contentsRect().width());
    const int barLeft = label.x() + label.width() + gap;
    bar.setGeometry(barLeft, bar.y(), rowRight - barLeft, bar.height());
}

int MemoWidthFor(QPlainTextEdit& memo, const QString& line) {
    memo.ensurePolished();
    const int margin = static_cast<int>(std::ceil(memo.document()->documentMargin()));
    return memo.fontMetrics().horizontalAdvance(line) + memo.cursorWidth() + 2 * margin +
           2 * memo.frameWidth() + memo.verticalScrollBar()->sizeHint().width();
}

int MemoHeightFor(QPlainTextEdit& memo, int lines) {
    memo.ensurePolished();
    const int margin = static_cast<int>(std::ceil(memo.document()->documentMargin()));
    return lines * memo.fontMetrics().lineSpacing() + 2 * margin + 2 * memo.frameWidth();
}

int ListWidthFor(QAbstractItemView& list, int letters) {
    list.ensurePolished();
    // An item's text keeps a margin on either side, as the style draws it.
    const int textMargin =
        list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return letters * list.fontMetrics().averageCharWidth() + 2 * textMargin +
           2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
}

void SetFontColor(QWidget& widget, TColor color) {
    platform::SetPaletteColor(widget, QPalette::WindowText, color);
}

TColor FontColor(const QWidget& widget) {
    return platform::FromQColor(widget.palette().color(QPalette::WindowText));
}
