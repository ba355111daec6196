// The text controls report every change the program did not make itself, however it comes,
// hold any stored text whole and let the user make no text longer than a document holds.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "platform/Cp1250.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Longer than a QLineEdit's default limit of 32767 characters.
const std::string kLongText(40000, 'x');

TEST(TextChanges, EditReportsTheAccessibilityInterfacesTextButNotSetText) {
    Edit edit;
    edit.show();
    int changes = 0;
    QObject::connect(&edit, &Edit::changed, [&] { ++changes; });
    edit.SetText("Anna");
    accessible_actions::ReplaceText(edit, "Zofia");
    EXPECT_EQ(edit.Text(), "Zofia");
    EXPECT_EQ(changes, 1);
}

TEST(TextChanges, MemoReportsTheAccessibilityInterfacesText) {
    Memo memo;
    memo.show();
    int changes = 0;
    QObject::connect(&memo, &Memo::changed, [&] { ++changes; });
    memo.SetText("raz");
    accessible_actions::ReplaceText(memo, "dwa");
    EXPECT_EQ(memo.Text(), "dwa");
    EXPECT_GT(changes, 0);
}

TEST(TextChanges, EditableComboBoxReportsTheAccessibilityInterfacesTextAsTyped) {
    ComboBox combo;
    combo.setEditable(true);
    combo.AddItem("Sprawdzian");
    combo.show();
    std::vector<int> changes;  // the item index each handler sees
    QObject::connect(&combo, &ComboBox::changed, [&] { changes.push_back(combo.ItemIndex()); });
    combo.SetItemIndex(0);
    accessible_actions::ReplaceText(*combo.lineEdit(), "Kartkówka");
    EXPECT_EQ(combo.Text(), "Kartkówka");
    EXPECT_EQ(changes, std::vector<int>{-1});
}

TEST(LongTexts, EveryTextControlHoldsAStoredTextWhole) {
    Edit edit;
    edit.SetText(kLongText);
    EXPECT_EQ(edit.Text().size(), kLongText.size());
    ComboBox combo;
    combo.setEditable(true);
    combo.show();
    combo.SetText(kLongText);
    EXPECT_EQ(combo.Text().size(), kLongText.size());
    Memo memo;
    memo.SetText(kLongText);
    EXPECT_EQ(memo.Text().size(), kLongText.size());
}

const int kLongest = static_cast<int>(kLongestText);

std::string Xs(int count) {
    return std::string(static_cast<std::size_t>(count), 'x');
}

// Types, pastes and puts texts through the accessibility interface into a one-line text
// field (an edit, or a combo box's) whose program sets its text with `set`.
template <typename SetText>
void ExpectALineKeepsToTheLongestText(QLineEdit& line, SetText set) {
    set(Xs(kLongest - 2));
    line.end(false);
    user_input::Type(line, "abc");
    EXPECT_EQ(line.text().toStdString(), Xs(kLongest - 2) + "ab");
    user_input::Type(line, "d");
    EXPECT_EQ(line.text().size(), kLongest);
    // What fits of a paste is kept, where it was put; the text after the caret stays.
    set(Xs(kLongest - 3));
    line.setCursorPosition(1);
    QApplication::clipboard()->setText("12345");
    line.paste();
    EXPECT_EQ(line.text().toStdString(), "x123" + Xs(kLongest - 4));
    EXPECT_EQ(line.cursorPosition(), 4);
    set(Xs(kLongest - 2));
    accessible_actions::InsertText(line, 0, "ABCDEF");
    EXPECT_EQ(line.text().toStdString(), "AB" + Xs(kLongest - 2));
    accessible_actions::SetValue(line, QString::fromStdString(Xs(kLongest + 10)));
    EXPECT_EQ(line.text().size(), kLongest);
    const std::string other(kLongestText + 10, 'z');
    accessible_actions::ReplaceText(line, QString::fromStdString(other));
    EXPECT_EQ(line.text().toStdString(), other.substr(0, kLongestText));
    // The program's text is never cut, and the user may still shorten it.
    set(Xs(kLongest + 10));
    EXPECT_EQ(line.text().size(), kLongest + 10);
    line.end(false);
    user_input::KeyPress(line, Qt::Key_Backspace);
    EXPECT_EQ(line.text().size(), kLongest + 9);
    user_input::Type(line, "a");
    EXPECT_EQ(line.text().size(), kLongest + 9);
}

TEST(LongestText, EditTakesNoTextLongerThanADocumentHolds) {
    Edit edit;
    edit.show();
    int changes = 0;
    QObject::connect(&edit, &Edit::changed, [&] { ++changes; });
    ExpectALineKeepsToTheLongestText(edit, [&](const std::string& text) { edit.SetText(text); });
    EXPECT_GT(changes, 0);
}

TEST(LongestText, EditableComboBoxTakesNoTextLongerThanADocumentHolds) {
    ComboBox combo;
    combo.setEditable(true);
    combo.show();
    ExpectALineKeepsToTheLongestText(*combo.lineEdit(),
                                     [&](const std::string& text) { combo.SetText(text); });
}

TEST(LongestText, MemoCountsEachLineBreakAsTheBytesItIsStoredAs) {
    Memo memo;
    int changes = 0;
    QObject::connect(&memo, &Memo::changed, [&] { ++changes; });
    // A stored LF is one byte: one more character fits.
    memo.SetText("a\n" + Xs(kLongest - 3));
    memo.moveCursor(QTextCursor::End);
    user_input::Type(memo, "bc");
    EXPECT_EQ(memo.Text().size(), kLongestText);
    EXPECT_EQ(memo.Text().substr(kLongestText - 3), "xxb");
    EXPECT_EQ(changes, 1);
    // A break the user makes is CR LF, two bytes: past the limit it is refused whole, and so
    // it takes no selection away either.
    memo.SetText(Xs(kLongest));
    memo.moveCursor(QTextCursor::End);
    memo.moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    EXPECT_EQ(memo.Text(), Xs(kLongest));
    user_input::KeyPress(memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.Text(), Xs(kLongest - 1));
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    EXPECT_EQ(memo.Text(), Xs(kLongest - 1));
    user_input::Type(memo, "z");
    EXPECT_EQ(memo.Text(), Xs(kLongest - 1) + "z");
    // Deleting stays free.
    user_input::KeyPress(memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.Text(), Xs(kLongest - 1));
}

TEST(LongestText, MemoKeepsWhatFitsOfAPasteOrTheAccessibilityInterfacesText) {
    Memo memo;
    memo.SetText(Xs(kLongest - 4));
    QApplication::clipboard()->setText("1\n2345");
    memo.paste();
    EXPECT_EQ(memo.Text(), "1\r\n2" + Xs(kLongest - 4));
    memo.SetText(Xs(kLongest - 2));
    accessible_actions::InsertText(memo, 0, "ABCDEF");
    EXPECT_EQ(memo.Text(), "AB" + Xs(kLongest - 2));
    accessible_actions::SetValue(memo, QString::fromStdString(Xs(kLongest + 10)));
    EXPECT_EQ(memo.Text(), Xs(kLongest));
    accessible_actions::ReplaceText(memo, QString::fromStdString("y\n" + Xs(kLongest)));
    EXPECT_EQ(memo.Text(), "y\r\n" + Xs(kLongest - 3));
    // What is cut is not in the undo history either.
    memo.undo();
    memo.redo();
    EXPECT_EQ(memo.Text(), "y\r\n" + Xs(kLongest - 3));
}

TEST(LongestText, MemoTakesTheProgramsTextWholeButAppendsNoLineBeyondIt) {
    Memo memo;
    memo.SetText(Xs(kLongest + 10));
    EXPECT_EQ(memo.Text(), Xs(kLongest + 10));
    memo.SetText(Xs(kLongest - 5));
    EXPECT_TRUE(memo.AppendLine("abc"));
    EXPECT_EQ(memo.Text(), Xs(kLongest - 5) + "\r\nabc");
    EXPECT_FALSE(memo.AppendLine(""));
    EXPECT_EQ(memo.Text(), Xs(kLongest - 5) + "\r\nabc");
    memo.ClearLines();
    EXPECT_TRUE(memo.AppendLine(Xs(kLongest)));
    EXPECT_FALSE(memo.AppendLine("a"));
    EXPECT_EQ(memo.Text(), Xs(kLongest));
}

}  // namespace
}  // namespace platform
