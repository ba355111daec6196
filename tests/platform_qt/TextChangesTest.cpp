// The text controls report every change the program did not make itself, however it comes,
// and hold any stored text whole.

#include <gtest/gtest.h>

#include <QLineEdit>

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

}  // namespace
}  // namespace platform
