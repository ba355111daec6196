#pragma once

#include <QPoint>
#include <QSize>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Types.h"

class QAbstractItemView;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QString;
class QWidget;
namespace platform {
class ComboBox;
class Panel;
}  // namespace platform

// Routines of the main window's unit that the other windows share.

// Where a dialog of `dialogSize` opens centred over an owner at `ownerPos` of `ownerSize`:
// half the difference, rounded toward minus infinity when the dialog is the larger.
QPoint CentredPosition(QPoint ownerPos, QSize ownerSize, QSize dialogSize);
// Gives the window now the size it will be shown at and returns that size with its frame.
QSize SettleShownSize(QWidget& window);
// Puts the window's frame, title bar included, with its top-left corner at `corner`, whether or
// not the window was shown before: the corner is what pos() gives back once it is shown.
void MoveFrameTo(QWidget& window, QPoint corner);
// The free areas of the screens, the primary screen's first.
std::vector<platform::Rect> ScreenAreas();
// Places the dialog centred over the owner, every time, and wholly on a screen, and shows it
// modally on its first field.
int ShowCentredModal(QDialog& form, QWidget& owner);

// "Niedziela" .. "Sobota" for 0..6; empty for anything else.
std::string DayName(int i);
// Fills the combo with DayName(from..to) and selects `selection` when it is an item.
void FillDaysComboBox(int from, int to, platform::ComboBox& combo, int selection);
// Selects the index (no item when out of range), then runs the change handler.
void SelectComboBoxItem(platform::ComboBox& combo, int index);
// Move to the previous / next item, wrapping; nothing at all when no item is selected.
void SelectPrevComboBoxItem(platform::ComboBox& combo);
void SelectNextComboBoxItem(platform::ComboBox& combo);

// Width in pixels of a bar's fill for a value out of `top`: clamped to the top, truncated,
// 0 when the top is not positive.
int BarWidth(double value, double top, int containerWidth);
// Left edge that centres a width in a box, the division truncated toward zero.
int CentredLeft(int boxWidth, int width);

// A bar: the fill shows the value's share of the container's width; hidden at 0.
void SetBar(double value, double top, QWidget& container, platform::Panel& fill);
// A bar with a shaded marker image (a child of the fill, covering it): above the threshold
// the image shows, at or under it the plain fill in the alarm colour shows.
void SetBarWithMarker(double value, double top, QWidget& container, platform::Panel& fill,
                      QLabel& marker, double threshold, TColor above, TColor atOrUnder);

// Shows as much of the text as the label's width holds, cut short with an ellipsis, so that a
// long document text cannot widen its window; the whole text is then the label's hint and
// its name for screen readers.
void SetElidedText(QLabel& label, const std::string& text);
// The same within `width` pixels, whatever the label's width; it then keeps its own.
void SetElidedText(QLabel& label, const std::string& text, int width);
// Shows a number in the label that stands before its bar on one row: the label widens into
// the bar's room as far as the number needs, never narrower than its minimum width nor wider
// than half the room the two share, and past that shows the number cut short with an ellipsis
// (the whole number is then its hint and its name for screen readers). The bar keeps its right
// end and its distance from the label.
void SetNumberBeforeBar(QLabel& label, QWidget& bar, const std::string& number);
// Runs the layouts from the widget's window down to the widget's parent, which a hidden window
// has not run yet, so that the widget stands where and as large as it will be shown.
void ActivateLayouts(QWidget& widget);

// The width at which a memo shows the line unbroken beside its vertical scroll bar, and the
// height at which it shows so many lines without scrolling, in the memo's own font.
int MemoWidthFor(QPlainTextEdit& memo, const QString& line);
int MemoHeightFor(QPlainTextEdit& memo, int lines);

// The width at which a list shows whole items of so many letters of average width beside its
// vertical scroll bar, in the list's own font.
int ListWidthFor(QAbstractItemView& list, int letters);

// The colour of a widget's text.
void SetFontColor(QWidget& widget, TColor color);
TColor FontColor(const QWidget& widget);
