// The widget semantics the windows rely on: the code-page filter, the memo's Tab, the speed
// button, the colour panel's raw colour and the accessible names.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>

#include "platform/qt/ComboBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Label.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Polish letters and the euro sign are in code page 1250; ø, the Cyrillic and emoji are not.
const QString kMixed = QString::fromUtf8("zażółć ø€ Жx😀y");
const std::string kKept = "zażółć € xy";

QString AccessibleName(QWidget& widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

TEST(Cp1250Input, EditKeepsOnlyWhatTheCodePageHoldsTypedOrPasted) {
    Edit edit;
    edit.show();
    user_input::Type(edit, kMixed);
    EXPECT_EQ(edit.Text(), kKept);
    edit.clear();
    QApplication::clipboard()->setText(kMixed);
    edit.paste();
    EXPECT_EQ(edit.Text(), kKept);
    EXPECT_EQ(edit.cursorPosition(), QString::fromStdString(kKept).size());
}

TEST(Cp1250Input, MemoKeepsOnlyWhatTheCodePageHoldsTypedOrPasted) {
    Memo memo;
    memo.show();
    user_input::Type(memo, kMixed);
    EXPECT_EQ(memo.Text(), kKept);
    memo.SetText("");
    QApplication::clipboard()->setText(QString::fromUtf8("a\r\nø\rb\nc"));
    memo.paste();
    EXPECT_EQ(memo.Text(), "a\r\n\r\nb\r\nc");
}

TEST(Cp1250Input, EditableComboBoxKeepsOnlyWhatTheCodePageHolds) {
    ComboBox combo;
    combo.setEditable(true);
    combo.show();
    int changes = 0;
    QObject::connect(&combo, &ComboBox::changed, [&] { ++changes; });
    user_input::Type(*combo.lineEdit(), kMixed);
    EXPECT_EQ(combo.Text(), kKept);
    EXPECT_GT(changes, 0);
    combo.lineEdit()->clear();
    QApplication::clipboard()->setText(kMixed);
    combo.lineEdit()->paste();
    EXPECT_EQ(combo.Text(), kKept);
}

TEST(MemoSemantics, TabMovesTheFocusOnAndLeavesTheText) {
    QWidget window;
    auto* memo = new Memo(&window);
    auto* edit = new Edit(&window);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(memo);
    layout->addWidget(edit);
    window.show();
    QApplication::setActiveWindow(&window);
    memo->setFocus();
    memo->SetText("a\rb\nc\r\nd");
    user_input::KeyPress(*memo, Qt::Key_Tab, "\t");
    EXPECT_EQ(memo->Text(), "a\rb\nc\r\nd");
    EXPECT_TRUE(edit->hasFocus());
}

TEST(SpeedButtonSemantics, TakesNoFocusAndIsNoDefaultButton) {
    QDialog dialog;
    auto* edit = new Edit(&dialog);
    auto* button = new SpeedButton(&dialog);
    auto* layout = new QHBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(button);
    int clicks = 0, exits = 0;
    QObject::connect(button, &SpeedButton::clicked, [&] { ++clicks; });
    QObject::connect(edit, &Edit::exit, [&] { ++exits; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    user_input::Click(*button, button->rect().center());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(exits, 0);
    user_input::KeyPress(*edit, Qt::Key_Return, "\r");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
}

TEST(ColourPanel, KeepsTheRawColourAndPaintsItsLowBytes) {
    Panel panel;
    panel.resize(20, 20);
    panel.SetColor(0x80000012);
    EXPECT_EQ(panel.Color(), 0x80000012u);
    const QColor painted = panel.grab().toImage().pixelColor(10, 10);
    EXPECT_EQ(painted, QColor(0x12, 0, 0));
}

TEST(AccessibleNames, ButtonsWithoutCaptionAreNamedByTheirHint) {
    SpeedButton glyph;
    glyph.setToolTip("Wpisz ocenę");
    EXPECT_EQ(AccessibleName(glyph), QString::fromUtf8("Wpisz ocenę"));
    glyph.setText("&Oceny");
    EXPECT_EQ(AccessibleName(glyph), "Oceny");
    QToolButton plain;
    plain.setText("Dziś");
    plain.setToolTip("Wyświetlaj plan lekcji na dzisiaj");
    EXPECT_EQ(AccessibleName(plain), QString::fromUtf8("Dziś"));
}

TEST(AccessibleNames, APanelIsNamedByItsCaption) {
    Panel panel;
    panel.SetCaption("Średnia");
    EXPECT_EQ(AccessibleName(panel), QString::fromUtf8("Średnia"));
}

TEST(AccessibleNames, EditsAreNamedByTheLabelBesideThem) {
    QWidget window;
    auto* label = new Label(&window);
    label->SetText("&Nazwisko:");
    auto* edit = new Edit(&window);
    label->setBuddy(edit);
    auto* memoLabel = new Label(&window);
    memoLabel->SetText("Uwagi:");
    auto* memo = new Memo(&window);
    memoLabel->setBuddy(memo);
    EXPECT_EQ(AccessibleName(*edit), "Nazwisko:");
    EXPECT_EQ(AccessibleName(*memo), "Uwagi:");
}

}  // namespace
}  // namespace platform
