// A one-line field stores one line: each line break the user brings in, however it comes, is
// stored as the one space the field shows; the breaks of a text the program set stay as they are.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "platform/Cp1250.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Edit.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

void Drop(QLineEdit& line, const QString& text) {
    QMimeData dragged;
    dragged.setText(text);
    const QPoint at = line.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&line, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&line, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&line, &drop);
}

void Commit(QLineEdit& line, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&line, &event);
}

std::string Utf8(const QLineEdit& line) {
    return line.text().toStdString();
}

// Drives the one-line field `line` whose program sets its text with `set`.
template <typename SetText>
void ExpectEveryBreakTheUserBringsToBeOneSpace(QLineEdit& line, SetText set) {
    line.setFocus();
    user_input::Paste(line, "Biologia\r\nChemia\n");
    EXPECT_EQ(Utf8(line), "Biologia Chemia ");
    EXPECT_EQ(line.cursorPosition(), line.text().size());
    set("");
    user_input::Paste(line, "a\rb\n\nc\r\n\r\n");
    EXPECT_EQ(Utf8(line), "a b  c  ");
    set("");
    Drop(line, "x\r\ny");
    EXPECT_EQ(Utf8(line), "x y");
    set("");
    Commit(line, QString::fromUtf8("ó\ró"));
    EXPECT_EQ(Utf8(line), "ó ó");
    set("");
    accessible_actions::InsertText(line, 0, "1\r\n2");
    EXPECT_EQ(Utf8(line), "1 2");
    accessible_actions::ReplaceText(line, "3\n4\r");
    EXPECT_EQ(Utf8(line), "3 4 ");
    accessible_actions::SetValue(line, "5\r6");
    EXPECT_EQ(Utf8(line), "5 6");
}

// A stored text keeps its breaks, shown or edited beside; only what the user puts in is made
// one line, and undoing the user's typing gives the stored text back.
template <typename SetText>
void ExpectTheProgramsBreaksToStay(QLineEdit& line, SetText set) {
    const std::string stored = "a\r\nb\nc\rd";
    set(stored);
    EXPECT_EQ(Utf8(line), stored);
    line.setFocus();
    line.end(false);
    user_input::Type(line, "e");
    EXPECT_EQ(Utf8(line), stored + "e");
    QTest::keyClick(&line, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Utf8(line), stored);
    line.setCursorPosition(1);
    user_input::Paste(line, "\n");
    EXPECT_EQ(Utf8(line), "a \r\nb\nc\rd");
}

TEST(OneLineField, EditStoresEachBreakTheUserBringsAsOneSpace) {
    Edit edit;
    edit.show();
    int changes = 0;
    QObject::connect(&edit, &Edit::changed, [&] { ++changes; });
    ExpectEveryBreakTheUserBringsToBeOneSpace(edit, [&](const std::string& t) { edit.SetText(t); });
    EXPECT_GT(changes, 0);
}

TEST(OneLineField, EditGivesTheProgramsTextBackWithItsBreaks) {
    Edit edit;
    edit.show();
    ExpectTheProgramsBreaksToStay(edit, [&](const std::string& t) { edit.SetText(t); });
}

TEST(OneLineField, EditableComboBoxStoresEachBreakTheUserBringsAsOneSpace) {
    ComboBox combo;
    combo.setEditable(true);
    combo.show();
    ExpectEveryBreakTheUserBringsToBeOneSpace(*combo.lineEdit(),
                                              [&](const std::string& t) { combo.SetText(t); });
}

TEST(OneLineField, EditableComboBoxGivesTheProgramsTextBackWithItsBreaks) {
    ComboBox combo;
    combo.setEditable(true);
    combo.show();
    ExpectTheProgramsBreaksToStay(*combo.lineEdit(),
                                  [&](const std::string& t) { combo.SetText(t); });
}

// An item is the document's text: picking it shows it whole and keeps it selected.
TEST(OneLineField, AnItemPickedFromAnEditableComboBoxKeepsItsBreaks) {
    ComboBox combo;
    combo.setEditable(true);
    combo.AddItem("Sprawdzian");
    combo.AddItem("Praca\r\nklasowa");
    combo.show();
    std::vector<int> changes;
    QObject::connect(&combo, &ComboBox::changed, [&] { changes.push_back(combo.ItemIndex()); });
    combo.SetItemIndex(0);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), "Praca\r\nklasowa");
    EXPECT_EQ(changes, std::vector<int>{1});
}

// What is stored counts: a CR LF made one space takes one byte of the longest text.
TEST(OneLineField, ABreakMadeASpaceCountsAsOneCharacterOfTheLongestText) {
    Edit edit;
    edit.show();
    const int longest = static_cast<int>(kLongestText);
    edit.SetText(std::string(static_cast<std::size_t>(longest - 3), 'x'));
    edit.setFocus();
    edit.end(false);
    user_input::Paste(edit, "\r\nab");
    EXPECT_EQ(edit.Text(), std::string(static_cast<std::size_t>(longest - 3), 'x') + " ab");
    user_input::Paste(edit, "\n");
    EXPECT_EQ(edit.text().size(), longest);
}

}  // namespace
}  // namespace platform
