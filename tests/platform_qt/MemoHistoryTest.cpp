// Undo, redo, dropped pastes and refused keys leave the memo's stored line breaks as they were:
// only what the user changes gets the user's CR LF.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <random>
#include <set>

#include "platform/Cp1250.h"
#include "platform/qt/Memo.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Not in code page 1250.
const QString kForeign = QString::fromUtf8("😀中Ж");

class MemoHistoryTest : public ::testing::Test {
  protected:
    MemoHistoryTest() {
        memo.show();
        memo.setFocus();
    }
    void Select(int from, int to) {
        QTextCursor cursor = memo.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        memo.setTextCursor(cursor);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&memo, static_cast<Qt::Key>(key), modifiers);
    }
    void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { Key(Qt::Key_Y, Qt::ControlModifier); }
    void Paste(const QString& text) { user_input::Paste(memo, text); }
    void Drop(const QString& text, int at) {
        QMimeData dragged;
        dragged.setText(text);
        const QPoint point = memo.cursorRect(CursorAt(at)).center();
        QDragEnterEvent enter(point, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(memo.viewport(), &enter);
        QDragMoveEvent move(point, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(memo.viewport(), &move);
        QDropEvent drop(QPointF(point), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(memo.viewport(), &drop);
    }
    QTextCursor CursorAt(int position) {
        QTextCursor cursor(memo.document());
        cursor.setPosition(position);
        return cursor;
    }

    Memo memo;
};

TEST_F(MemoHistoryTest, UndoBringsBackEachDeletedBreakAsItWasStored) {
    memo.SetText("x\ny\rz\r\nw");
    Select(1, 1);
    Key(Qt::Key_Delete);  // the LF
    EXPECT_EQ(memo.Text(), "xy\rz\r\nw");
    Undo();
    EXPECT_EQ(memo.Text(), "x\ny\rz\r\nw");
    Redo();
    EXPECT_EQ(memo.Text(), "xy\rz\r\nw");
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing more to redo
    Undo();
    EXPECT_EQ(memo.Text(), "x\ny\rz\r\nw");
    Select(4, 4);
    Key(Qt::Key_Backspace);  // the CR
    Select(0, 6);
    Key(Qt::Key_Delete);  // everything
    EXPECT_EQ(memo.Text(), "");
    Undo();
    EXPECT_EQ(memo.Text(), "x\nyz\r\nw");
    Undo();
    EXPECT_EQ(memo.Text(), "x\ny\rz\r\nw");
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(memo.Text(), "");
    Undo();
    Undo();
    EXPECT_EQ(memo.Text(), "x\ny\rz\r\nw");
}

TEST_F(MemoHistoryTest, UndoOfAPasteOverStoredBreaksGivesThemBackAndRedoPastesAgain) {
    memo.SetText("a\rb\nc\r\nd");
    Select(1, 5);
    Paste("P\nQ");
    EXPECT_EQ(memo.Text(), "aP\r\nQ\r\nd");
    Undo();
    EXPECT_EQ(memo.Text(), "a\rb\nc\r\nd");
    Redo();
    EXPECT_EQ(memo.Text(), "aP\r\nQ\r\nd");
    Undo();
    EXPECT_EQ(memo.Text(), "a\rb\nc\r\nd");
}

// What undo brings back the memo held before: the program's text comes back whole.
TEST_F(MemoHistoryTest, UndoGivesBackTheProgramsTextWhole) {
    const std::string stored = "a" + kForeign.toStdString() + "\rb";
    memo.SetText(stored);
    int changes = 0;
    QObject::connect(&memo, &Memo::changed, [&] { ++changes; });
    Select(0, memo.document()->characterCount() - 1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(memo.Text(), "");
    Undo();
    EXPECT_EQ(memo.Text(), stored);
    Redo();
    EXPECT_EQ(memo.Text(), "");
    EXPECT_EQ(changes, 3);
}

// A change that brought only what is dropped leaves no step to undo or redo: the context
// menu offers no "Redo".
TEST_F(MemoHistoryTest, AChangeOfOnlyWhatIsDroppedIsNoStep) {
    memo.SetText("ab");
    Select(2, 2);
    user_input::Type(memo, "x");
    accessible_actions::InsertText(memo, 0, kForeign);
    EXPECT_FALSE(memo.document()->isRedoAvailable());
    Redo();
    EXPECT_EQ(memo.Text(), "abx");
    Undo();
    EXPECT_EQ(memo.Text(), "ab");
}

// A paste of only what the file cannot hold takes the selection away and nothing else.
TEST_F(MemoHistoryTest, APasteDroppedWholeTakesOnlyTheSelection) {
    memo.SetText("a\ra\na");
    Select(1, 3);  // the CR and the middle "a"
    Paste(kForeign);
    EXPECT_EQ(memo.Text(), "a\na");
    Undo();
    EXPECT_EQ(memo.Text(), "a\ra\na");
    Redo();
    EXPECT_EQ(memo.Text(), "a\na");
    memo.SetText("a\ra\na");
    Select(1, 3);
    Paste("b" + kForeign + "\n" + kForeign);
    EXPECT_EQ(memo.Text(), "ab\r\n\na");
    Undo();
    EXPECT_EQ(memo.Text(), "a\ra\na");
}

// The break a drop brings stands where it was dropped, before the stored one beside it.
TEST_F(MemoHistoryTest, ADropKeepsTheStoredBreaksAndIsUndoneWhole) {
    memo.SetText("a\nb\rc");
    Drop("\r" + kForeign, 1);
    EXPECT_EQ(memo.Text(), "a\r\n\nb\rc");
    Drop("p" + kForeign + "\rq", 5);
    EXPECT_EQ(memo.Text(), "a\r\n\nb\rp\r\nqc");
    Undo();
    EXPECT_EQ(memo.Text(), "a\r\n\nb\rc");
    Undo();
    EXPECT_EQ(memo.Text(), "a\nb\rc");
}

// At the longest text a break typed over a selected one-byte break would make the text longer:
// it is refused and the selected break stays; a character typed over it fits.
TEST_F(MemoHistoryTest, AKeyRefusedAtTheLongestTextChangesNothing) {
    const std::string rest(kLongestText - 2, 'x');
    memo.SetText("a\n" + rest);
    Select(1, 2);
    Key(Qt::Key_Return);
    EXPECT_TRUE(memo.Text() == "a\n" + rest) << memo.Text().substr(0, 4);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(memo.Text() == "a\n" + rest) << memo.Text().substr(0, 4);
    Select(1, 2);
    user_input::Type(memo, "b");
    EXPECT_TRUE(memo.Text() == "ab" + rest) << memo.Text().substr(0, 4);
    Undo();
    EXPECT_TRUE(memo.Text() == "a\n" + rest) << memo.Text().substr(0, 4);
}

// Random edits, then undo all the way: every state undo passes through is one the text had,
// the first is the stored text byte for byte, and redoing all of it gives the last.
TEST_F(MemoHistoryTest, UndoingAndRedoingRandomEditsPassesOnlyThroughStatesTheTextHad) {
    const std::vector<std::string> kinds = {"\r\n", "\n", "\r"};
    std::mt19937 random(20250107);
    auto pick = [&](int bound) { return std::uniform_int_distribution<int>(0, bound)(random); };
    std::string stored;
    for (int i = 0; i < 60; ++i)
        stored += pick(2) == 0 ? kinds[pick(2)] : std::string(1, 'a' + pick(5));
    memo.SetText(stored);
    std::set<std::string> seen = {stored};
    for (int step = 0; step < 120; ++step) {
        const int size = memo.document()->characterCount() - 1;
        const int at = pick(size);
        Select(at, at + pick(std::min(3, size - at)));
        switch (pick(5)) {
            case 0:
                Key(Qt::Key_Return);
                break;
            case 1:
                Key(Qt::Key_Delete);
                break;
            case 2:
                Key(Qt::Key_Backspace);
                break;
            case 3:
                Paste(pick(1) == 0 ? "q\r\nr" : kForeign);
                break;
            case 4:
                accessible_actions::InsertText(memo, at, "t" + kForeign + "\nu");
                break;
            default:
                user_input::Type(memo, "s");
                break;
        }
        seen.insert(memo.Text());
    }
    const std::string last = memo.Text();
    while (memo.document()->isUndoAvailable()) {
        Undo();
        ASSERT_TRUE(seen.count(memo.Text()) == 1) << memo.Text();
    }
    EXPECT_EQ(memo.Text(), stored);
    while (memo.document()->isRedoAvailable()) Redo();
    EXPECT_EQ(memo.Text(), last);
}

}  // namespace
}  // namespace platform
