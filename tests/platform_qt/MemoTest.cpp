// The memo keeps what the document file can hold from every change the user makes, however
// it arrives, and gives back the line breaks it was given.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTextBlock>
#include <random>

#include "platform/qt/Memo.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Emoji, Chinese and Cyrillic are not in code page 1250; Polish letters and the euro sign are.
const QString kForeign = QString::fromUtf8("😀中Ж");

class MemoTest : public ::testing::Test {
  protected:
    MemoTest() {
        memo.show();
        QObject::connect(&memo, &Memo::changed, [this] { ++changes; });
    }
    void CaretAt(int position) {
        QTextCursor cursor = memo.textCursor();
        cursor.setPosition(position);
        memo.setTextCursor(cursor);
    }

    Memo memo;
    int changes = 0;
};

TEST_F(MemoTest, TheAccessibilityInterfacesValueKeepsWhatTheCodePageHolds) {
    user_input::Type(memo, "q");
    accessible_actions::SetValue(memo, "m1\r\nm2" + kForeign);
    EXPECT_EQ(memo.Text(), "m1\r\nm2");
    EXPECT_EQ(memo.toPlainText(), "m1\nm2");
    EXPECT_GT(changes, 1);
    // The value replaces the text with its history, as the text edit's own setter does.
    memo.undo();
    EXPECT_EQ(memo.Text(), "m1\r\nm2");
    user_input::Type(memo, "3");
    memo.undo();
    EXPECT_EQ(memo.Text(), "m1\r\nm2");
}

TEST_F(MemoTest, TextInsertedOrReplacedThroughTheAccessibilityInterfaceKeepsWhatTheCodePageHolds) {
    memo.SetText("ab");
    accessible_actions::InsertText(memo, 1, QString::fromUtf8("ż") + kForeign + "€");
    EXPECT_EQ(memo.Text(), "aż€b");
    EXPECT_EQ(changes, 1);
    accessible_actions::ReplaceText(memo, "x" + kForeign + "\ny");
    EXPECT_EQ(memo.Text(), "x\r\ny");
    EXPECT_GT(changes, 1);
}

TEST_F(MemoTest, ChangesBroughtByQtsOwnSettersKeepWhatTheCodePageHolds) {
    memo.insertPlainText("a" + kForeign);
    EXPECT_EQ(memo.Text(), "a");
    memo.appendPlainText(kForeign + "b");
    EXPECT_EQ(memo.Text(), "a\r\nb");
    memo.setPlainText(kForeign);
    EXPECT_EQ(memo.Text(), "");
}

TEST_F(MemoTest, AnInputMethodsTextKeepsWhatTheCodePageHolds) {
    memo.SetText("ab");
    CaretAt(1);
    QInputMethodEvent event;
    event.setCommitString(QString::fromUtf8("ó") + kForeign);
    QApplication::sendEvent(&memo, &event);
    EXPECT_EQ(memo.Text(), "aób");
    EXPECT_EQ(changes, 1);
    user_input::Type(memo, "x");  // the caret stands after what was kept
    EXPECT_EQ(memo.Text(), "aóxb");
}

TEST_F(MemoTest, PastedOrDroppedTextKeepsWhatTheCodePageHolds) {
    QApplication::clipboard()->setText("a" + kForeign + "\rb");
    memo.paste();
    user_input::Type(memo, "!");
    EXPECT_EQ(memo.Text(), "a\r\nb!");
    memo.SetText("");
    QMimeData dragged;
    dragged.setText("c" + kForeign);
    const QPointF at(memo.viewport()->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &drop);
    EXPECT_EQ(memo.Text(), "c");
    EXPECT_EQ(changes, 3);
}

TEST_F(MemoTest, AChangeThatBroughtOnlyWhatIsDroppedIsNoChange) {
    memo.SetText("ab");
    accessible_actions::InsertText(memo, 1, kForeign);
    EXPECT_EQ(memo.Text(), "ab");
    EXPECT_EQ(changes, 0);
    // Put over a text, it still takes that text away.
    accessible_actions::ReplaceText(memo, kForeign);
    EXPECT_EQ(memo.Text(), "");
    EXPECT_EQ(changes, 1);
}

TEST_F(MemoTest, UndoTakesBackTheWholeChangeAndRedoGivesWhatWasKept) {
    memo.SetText("ab");
    accessible_actions::InsertText(memo, 2, "c" + kForeign + "d");
    EXPECT_EQ(memo.Text(), "abcd");
    memo.undo();
    EXPECT_EQ(memo.Text(), "ab");
    memo.redo();
    EXPECT_EQ(memo.Text(), "abcd");
    memo.undo();
    EXPECT_EQ(memo.Text(), "ab");
}

// The program's text is the document's: neither setting it nor a later edit beside it cuts it.
TEST_F(MemoTest, TheProgramsTextIsKeptWhole) {
    memo.SetText("a" + kForeign.toStdString() + "b");
    memo.AppendLine(kForeign.toStdString());
    EXPECT_EQ(memo.Text(), "a" + kForeign.toStdString() + "b\r\n" + kForeign.toStdString());
    memo.moveCursor(QTextCursor::End);
    user_input::Type(memo, "!");
    accessible_actions::InsertText(memo, 0, "<");
    EXPECT_EQ(memo.Text(), "<a" + kForeign.toStdString() + "b\r\n" + kForeign.toStdString() + "!");
    EXPECT_EQ(changes, 2);
}

TEST_F(MemoTest, AStoredTextComesBackWithItsOwnLineBreaks) {
    for (const std::string text : {"x\ny\rz", "x\r\ny\n\rz\r", "\n", "\r\r\n\n", "a\r\n", ""}) {
        memo.SetText(text);
        EXPECT_EQ(memo.Text(), text);
    }
    memo.SetText("x\ny\rz\r\n");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(changes, 0);
}

TEST_F(MemoTest, AnEditKeepsTheStoredBreaksOutsideWhatItChanged) {
    memo.SetText("x\ny\rz");
    memo.moveCursor(QTextCursor::End);
    user_input::Type(memo, "!");
    EXPECT_EQ(memo.Text(), "x\ny\rz!");
    CaretAt(2);  // the start of "y"
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    EXPECT_EQ(memo.Text(), "x\n\r\ny\rz!");
    user_input::KeyPress(memo, Qt::Key_Backspace);  // takes back the break just made
    EXPECT_EQ(memo.Text(), "x\ny\rz!");
    user_input::KeyPress(memo, Qt::Key_Backspace);  // joins "x" and "y"
    EXPECT_EQ(memo.Text(), "xy\rz!");
    memo.undo();
    EXPECT_EQ(memo.Text(), "x\ny\rz!");  // the break comes back as it was stored
}

// The text edit reports an input method's text, a paste of lines and Enter on an empty line as
// changes of whole paragraphs, breaks included; only what changed takes the user's breaks.
TEST_F(MemoTest, ChangesReportedAsWholeParagraphsKeepTheStoredBreaks) {
    memo.SetText("ab\ncd\r" + kForeign.toStdString());
    CaretAt(1);
    QInputMethodEvent event;
    event.setCommitString("x");
    QApplication::sendEvent(&memo, &event);
    EXPECT_EQ(memo.Text(), "axb\ncd\r" + kForeign.toStdString());
    CaretAt(5);
    QInputMethodEvent other;
    other.setCommitString("y");
    QApplication::sendEvent(&memo, &other);
    EXPECT_EQ(memo.Text(), "axb\ncyd\r" + kForeign.toStdString());
    memo.SetText("aq\nb");
    QTextCursor selection = memo.textCursor();
    selection.setPosition(0);
    selection.setPosition(2, QTextCursor::KeepAnchor);
    memo.setTextCursor(selection);
    QApplication::clipboard()->setText("P\nQ");
    memo.paste();
    EXPECT_EQ(memo.Text(), "P\r\nQ\nb");
    memo.SetText("a\n\n\rb");
    CaretAt(2);
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    EXPECT_EQ(memo.Text(), "a\n\r\n\n\rb");
    EXPECT_EQ(changes, 4);
}

TEST_F(MemoTest, BreaksTheUserMakesAreCrLfHoweverTheyArrive) {
    memo.SetText("a\rb");
    memo.moveCursor(QTextCursor::End);
    QKeyEvent shiftEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, "\r");
    QApplication::sendEvent(&memo, &shiftEnter);
    user_input::Type(memo, "c");
    EXPECT_EQ(memo.Text(), "a\rb\r\nc");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "b", "c"}));
    accessible_actions::InsertText(memo, 0, "1\r2\n3\r\n");
    EXPECT_EQ(memo.Text(), "1\r\n2\r\n3\r\na\rb\r\nc");
    QApplication::clipboard()->setText("p\rq");
    memo.moveCursor(QTextCursor::End);
    memo.paste();
    EXPECT_EQ(memo.Text(), "1\r\n2\r\n3\r\na\rb\r\ncp\r\nq");
    accessible_actions::ReplaceText(memo, "u\nv");
    EXPECT_EQ(memo.Text(), "u\r\nv");
}

TEST_F(MemoTest, WhatIsDroppedLeavesTheStoredBreaks) {
    memo.SetText("a\nb\rc\r\nd");
    accessible_actions::InsertText(memo, 4, kForeign + QString::fromUtf8("ż") + kForeign);
    EXPECT_EQ(memo.Text(), "a\nb\rżc\r\nd");
    memo.undo();
    EXPECT_EQ(memo.Text(), "a\nb\rc\r\nd");
}

TEST_F(MemoTest, AnAppendedLineKeepsTheStoredBreaks) {
    memo.SetText("a\nb\r");
    memo.AppendLine("c");
    EXPECT_EQ(memo.Text(), "a\nb\r\r\nc");
    memo.ClearLines();
    memo.AppendLine("d");
    EXPECT_EQ(memo.Text(), "d");
}

// Random edits through the text edit's cursor, keys and accessibility interface, against a model
// of the text with its breaks: a break outside an edit keeps its kind, a new one is CR LF.
TEST_F(MemoTest, RandomEditsKeepEveryBreakOutsideThem) {
    const std::vector<std::string> kinds = {"\r\n", "\n", "\r"};
    std::mt19937 random(20240315);
    auto pick = [&](int bound) { return std::uniform_int_distribution<int>(0, bound)(random); };
    std::string stored;
    for (int i = 0; i < 40; ++i)
        stored += pick(2) == 0 ? kinds[pick(2)] : std::string(1, 'a' + pick(5));
    memo.SetText(stored);
    // The model: the plain text with '\n' for every break, and the breaks in order.
    QString plain;
    std::vector<std::string> breaks;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] != '\r' && stored[i] != '\n') {
            plain += QChar(stored[i]);
            continue;
        }
        const bool crLf = stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n';
        breaks.push_back(crLf ? "\r\n" : std::string(1, stored[i]));
        if (crLf) ++i;
        plain += '\n';
    }
    auto apply = [&](int at, int removed, const QString& put) {
        const int before = static_cast<int>(plain.left(at).count('\n'));
        breaks.erase(breaks.begin() + before,
                     breaks.begin() + before + plain.mid(at, removed).count('\n'));
        breaks.insert(breaks.begin() + before, put.count('\n'), "\r\n");
        plain.replace(at, removed, put);
    };
    for (int step = 0; step < 300; ++step) {
        const int size = static_cast<int>(plain.size());
        const int at = pick(size);
        const int length = pick(std::min(4, size - at));
        QTextCursor cursor(memo.document());
        cursor.setPosition(at);
        switch (pick(5)) {
            case 0: {
                const QString put = pick(1) == 0 ? QString("\n") : QString("q\nr");
                cursor.setPosition(at + length, QTextCursor::KeepAnchor);
                cursor.insertText(put);
                apply(at, length, put);
                break;
            }
            case 1:
                cursor.setPosition(at + length, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                apply(at, length, "");
                break;
            case 2:
                memo.setTextCursor(cursor);
                user_input::KeyPress(memo, Qt::Key_Return, "\r");
                apply(at, 0, "\n");
                break;
            case 3:
                if (at == 0) break;
                memo.setTextCursor(cursor);
                user_input::KeyPress(memo, Qt::Key_Backspace);
                apply(at - 1, 1, "");
                break;
            case 4:
                accessible_actions::InsertText(memo, at, "t" + kForeign + "\nu");
                apply(at, 0, "t\nu");
                break;
            default:
                memo.setTextCursor(cursor);
                user_input::Type(memo, "s");
                apply(at, 0, "s");
                break;
        }
        std::string expected;
        const QStringList lines = plain.split('\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0) expected += breaks[static_cast<std::size_t>(line - 1)];
            expected += lines[line].toStdString();
        }
        ASSERT_EQ(memo.Text(), expected) << "step " << step;
    }
}

}  // namespace
}  // namespace platform
