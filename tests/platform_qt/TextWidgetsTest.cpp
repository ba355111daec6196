#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>

#include "UserInput.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Label.h"
#include "platform/qt/Memo.h"
#include "platform/qt/QtColor.h"

namespace platform {
namespace {

void SendFocus(QWidget& widget, QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(&widget, &event);
}

TEST(Edit, ChangedFollowsTheUserOnly) {
    Edit edit;
    int changes = 0;
    QObject::connect(&edit, &Edit::changed, [&] { ++changes; });
    edit.SetText("4,5");
    EXPECT_EQ(edit.Text(), "4,5");
    EXPECT_EQ(changes, 0);
    user_input::Type(edit, "1");
    EXPECT_EQ(edit.Text(), "4,51");
    EXPECT_EQ(changes, 1);
}

TEST(Edit, EnterAndExitFollowFocusMovesBetweenControlsOnly) {
    Edit edit;
    std::vector<std::string> events;
    QObject::connect(&edit, &Edit::enter, [&] { events.push_back("enter"); });
    QObject::connect(&edit, &Edit::exit, [&] { events.push_back("exit"); });
    SendFocus(edit, QEvent::FocusIn, Qt::TabFocusReason);
    // An error box shown on leaving takes the focus away and gives it back.
    SendFocus(edit, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    SendFocus(edit, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    SendFocus(edit, QEvent::FocusOut, Qt::PopupFocusReason);
    SendFocus(edit, QEvent::FocusIn, Qt::PopupFocusReason);
    SendFocus(edit, QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST(Edit, LeftClickEmitsClick) {
    Edit edit;
    edit.setReadOnly(true);
    edit.resize(60, 20);
    int clicks = 0;
    QObject::connect(&edit, &Edit::click, [&] { ++clicks; });
    user_input::Click(edit, QPoint(10, 10));
    user_input::Press(edit, QPoint(10, 10), Qt::RightButton);
    user_input::Release(edit, QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(clicks, 1);
}

TEST(Edit, SampleColours) {
    Edit edit;
    edit.SetColor(0x0000FF);
    edit.SetFontColor(0xFFFFFF);
    EXPECT_EQ(FromQColor(edit.palette().color(QPalette::Base)), 0x0000FFu);
    EXPECT_EQ(FromQColor(edit.palette().color(QPalette::Text)), 0xFFFFFFu);
}

TEST(Label, SizesItselfToItsText) {
    Label label;
    label.SetText("I");
    const int narrow = label.width();
    label.SetText("Poniedziałek, 14 sierpnia 2004");
    EXPECT_EQ(label.Text(), "Poniedziałek, 14 sierpnia 2004");
    EXPECT_GT(label.width(), narrow);
    EXPECT_EQ(label.width(), label.sizeHint().width());
}

TEST(Label, AWrappingLabelKeepsItsWidth) {
    Label label;
    label.setWordWrap(true);
    label.setGeometry(0, 0, 100, 40);
    label.SetText("Ala, Ola, Zenon, Bartłomiej, Przemysław");
    EXPECT_EQ(label.width(), 100);
}

TEST(Label, FontColour) {
    Label label;
    label.SetFontColor(0x800000);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
}

TEST(Memo, TextJoinsLinesWithCrLfAndNothingAfterTheLast) {
    Memo memo;
    memo.SetText("Matematyka\r\nFizyka\nChemia");
    EXPECT_EQ(memo.Text(), "Matematyka\r\nFizyka\r\nChemia");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"Matematyka", "Fizyka", "Chemia"}));
    EXPECT_EQ(memo.blockCount(), 3);
}

TEST(Memo, EmptyLinesAndAFinalBreakSurvive) {
    Memo memo;
    memo.SetText("a\r\n\r\nb\r\n");
    EXPECT_EQ(memo.Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "", "b"}));
    memo.SetText("");
    EXPECT_EQ(memo.Text(), "");
    EXPECT_TRUE(memo.Lines().empty());
}

TEST(Memo, KeepsNonBreakingSpacesAndPolishLetters) {
    Memo memo;
    memo.SetText("zażółć\u00A0gęślą");
    EXPECT_EQ(memo.Text(), "zażółć\u00A0gęślą");
}

TEST(Memo, AppendLineAddsALastLineWhereverTheCaretIs) {
    Memo memo;
    memo.AppendLine("Matematyka");
    memo.AppendLine("Fizyka");
    EXPECT_EQ(memo.Text(), "Matematyka\r\nFizyka");
    memo.moveCursor(QTextCursor::Start);
    memo.AppendLine("Chemia");
    EXPECT_EQ(memo.Lines().back(), "Chemia");
    memo.ClearLines();
    EXPECT_EQ(memo.Text(), "");
}

TEST(Memo, ChangedFollowsTheUserOnly) {
    Memo memo;
    int changes = 0;
    QObject::connect(&memo, &Memo::changed, [&] { ++changes; });
    memo.SetText("a\r\nb");
    memo.AppendLine("c");
    memo.ClearLines();
    EXPECT_EQ(changes, 0);
    user_input::Type(memo, "x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(memo.Text(), "x");
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    user_input::Type(memo, "y");
    EXPECT_EQ(memo.Text(), "x\r\ny");
}

}  // namespace
}  // namespace platform
