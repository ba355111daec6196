#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>

#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "tests/support/qt/UserInput.h"

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

TEST(Memo, TextHasTheGivenBreaksBetweenLinesOnly) {
    Memo memo;
    memo.SetText("Matematyka\r\nFizyka\nChemia");
    EXPECT_EQ(memo.Text(), "Matematyka\r\nFizyka\nChemia");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"Matematyka", "Fizyka", "Chemia"}));
    memo.SetText("a\r\n\r\nb\u00A0c\r\n");  // a non-breaking space stays one
    EXPECT_EQ(memo.Text(), "a\r\n\r\nb\u00A0c\r\n");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "", "b\u00A0c"}));
    memo.ClearLines();
    EXPECT_TRUE(memo.Lines().empty());
}

TEST(Memo, ChangedFollowsTheUserOnly) {
    Memo memo;
    int changes = 0;
    QObject::connect(&memo, &Memo::changed, [&] { ++changes; });
    memo.SetText("a");
    memo.moveCursor(QTextCursor::Start);
    memo.AppendLine("c");  // the last line, wherever the caret is
    EXPECT_EQ(memo.Text(), "a\r\nc");
    memo.ClearLines();
    EXPECT_EQ(changes, 0);
    user_input::Type(memo, "x");
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(memo.Text(), "x\r\n");
}

}  // namespace
}  // namespace platform
