#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "app/EventsCategoriesEditorForm.h"
#include "core/DataFile.h"
#include "platform/qt/Edit.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Panel.h"
#include "platform/qt/QtColor.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_EventsCategoriesEditorForm.h"

namespace {

const char* const kNotCreatedText =
    "Nie mogę utworzyć kategorii. Prawdopodobnie kategoria o tej nazwie już istnieje.";

class EventsCategoriesEditorFormTest : public ::testing::Test {
  protected:
    EventsCategoriesEditorFormTest() : main(&document), form(main) {
        document.Calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
        document.Calendar.AddCategory({"Sprawdzian", 0x00FFFF, 0x0000FF});
        document.Calendar.AddCategory({"Wycieczka", 0x00FF00, 0x000000});
    }

    // Shows the editor on the document's calendar; `handle` works in it, then "OK" closes it.
    void Edit(const std::function<void(Ui::TEventsCategoriesEditorForm&)>& handle) {
        testing_support::ExpectModal<TEventsCategoriesEditorForm>(
            [&] { form.Execute(main.owner, &document.Calendar); },
            [&](TEventsCategoriesEditorForm& editor) {
                handle(editor.Ui());
                editor.Ui().btnOK->click();
            });
    }
    static void ClickItem(Ui::TEventsCategoriesEditorForm& ui, int index) {
        QListWidget& list = *ui.lCategories;
        user_input::Click(*list.viewport(), list.visualItemRect(list.item(index)).center());
    }
    static void ExpectModGroup(Ui::TEventsCategoriesEditorForm& ui, const std::string& name,
                               TColor color, TColor textColor) {
        EXPECT_EQ(name, ui.edModCatName->Text());
        EXPECT_EQ(color, ui.panelMCColor->Color());
        EXPECT_EQ(textColor, ui.panelMCTColor->Color());
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (std::int32_t i = 0; i < document.Calendar.CategoriesCount(); ++i)
            names.push_back(document.Calendar.Categories.Get(i)->Name);
        return names;
    }

    TDataFile document;
    testing_support::FakeMainServices main;
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::ScriptedColorDialogs colors;
    TEventsCategoriesEditorForm form;
};

}  // namespace

TEST_F(EventsCategoriesEditorFormTest, OpensWithTheNamesAndBothGroupsReset) {
    Edit([](Ui::TEventsCategoriesEditorForm& ui) {
        EXPECT_EQ(3, ui.lCategories->ItemCount());
        EXPECT_EQ("Sprawdzian", ui.lCategories->item(1)->text().toStdString());
        EXPECT_EQ(-1, ui.lCategories->ItemIndex());
        EXPECT_EQ("", ui.edNewCatName->Text());
        EXPECT_EQ(0xFFFFFFu, ui.panelNCColor->Color());
        EXPECT_EQ(0x000000u, ui.panelNCTColor->Color());
        ExpectModGroup(ui, "", 0xFFFFFF, 0x000000);
        EXPECT_EQ(" Kategorie ", ui.gbCategories->title().toStdString());
    });
    EXPECT_EQ("Kategorie zdarzeń", form.windowTitle().toStdString());
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(EventsCategoriesEditorFormTest, NewCategoriesAreAddedUnlessTheNameIsEmptyOrTaken) {
    colors.ExpectPick(0x123456);
    colors.ExpectPick(0x00FF00);
    boxes.Expect(kNotCreatedText, "Tworzenie kategorii",
                 platform::mb::Ok | platform::mb::IconWarning, platform::answer::Ok);
    Edit([](Ui::TEventsCategoriesEditorForm& ui) {
        ui.btnNewCategory->click();  // no name: nothing at all
        ui.panelNCColor->click();
        ui.panelNCTColor->click();
        // The name is shown as a sample of the box.
        EXPECT_EQ(platform::ToQColor(0x123456), ui.edNewCatName->palette().color(QPalette::Base));
        EXPECT_EQ(platform::ToQColor(0x00FF00), ui.edNewCatName->palette().color(QPalette::Text));
        user_input::Type(*ui.edNewCatName, "kartkówka");
        ui.btnNewCategory->click();
        EXPECT_EQ(4, ui.lCategories->ItemCount());
        EXPECT_EQ("", ui.edNewCatName->Text());
        EXPECT_EQ(0xFFFFFFu, ui.panelNCColor->Color());
        // No category is selected after adding, so a change pressed next touches none.
        EXPECT_EQ(-1, ui.lCategories->ItemIndex());
        ui.btnModCategory->click();
        user_input::Type(*ui.edNewCatName, "Kartkówka");
        ui.btnNewCategory->click();  // the warning
        EXPECT_EQ("", ui.edNewCatName->Text());
    });
    EXPECT_EQ((std::vector<std::string>{"Kartkówka", "Sprawdzian", "Wycieczka", "kartkówka"}),
              Names());
    const TClEventCategory& added = *document.Calendar.Categories.Get(3);
    EXPECT_EQ(0x123456u, added.Color);
    EXPECT_EQ(0x00FF00u, added.TextColor);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(EventsCategoriesEditorFormTest, ChangingTakesTheGroupAndASecondPressChangesNothingMore) {
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        ui.btnModCategory->click();  // nothing selected: nothing happens
        ClickItem(ui, 1);
        ExpectModGroup(ui, "Sprawdzian", 0x00FFFF, 0x0000FF);
        ui.edModCatName->clear();
        user_input::Type(*ui.edModCatName, "Wycieczka");  // another's name is accepted
        ui.btnModCategory->click();
        EXPECT_EQ(1, ui.lCategories->ItemIndex());
        // The group shows the changed category, so pressing again keeps it as it is.
        ExpectModGroup(ui, "Wycieczka", 0x00FFFF, 0x0000FF);
        ui.btnModCategory->click();
        ClickItem(ui, 0);
        ui.edModCatName->clear();
        ui.btnModCategory->click();  // an empty name is accepted too
    });
    EXPECT_EQ((std::vector<std::string>{"", "Wycieczka", "Wycieczka"}), Names());
    EXPECT_EQ(0x00FFFFu, document.Calendar.Categories.Get(1)->Color);
    EXPECT_EQ(0x0000FFu, document.Calendar.Categories.Get(1)->TextColor);
    EXPECT_EQ(1, main.modifiedCalls);
}

// Qt makes the first row current when the list gets the focus; that selects no category.
TEST_F(EventsCategoriesEditorFormTest, TheFocusAloneSelectsNoCategoryToChangeOrDelete) {
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        QApplication::setActiveWindow(ui.lCategories->window());
        ui.lCategories->setFocus(Qt::TabFocusReason);
        ExpectModGroup(ui, "", 0xFFFFFF, 0x000000);
        ui.btnModCategory->click();
        ui.btnDelCategory->click();
    });
    EXPECT_EQ((std::vector<std::string>{"Kartkówka", "Sprawdzian", "Wycieczka"}), Names());
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(EventsCategoriesEditorFormTest, ColoursKeepAllTheirBitsUnlessNewOnesArePicked) {
    document.Calendar.Categories.Get(0)->Color = 0x80000005;  // a system colour
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        ClickItem(ui, 0);
        ui.edModCatName->clear();
        user_input::Type(*ui.edModCatName, "Kartkówki");
        ui.btnModCategory->click();
    });
    EXPECT_EQ("Kartkówki", document.Calendar.Categories.Get(0)->Name);
    EXPECT_EQ(0x80000005u, document.Calendar.Categories.Get(0)->Color);
}

TEST_F(EventsCategoriesEditorFormTest,
       TheColourPanelsTakeTheFocusAndOpenTheirDialogFromTheKeyboard) {
    colors.ExpectPick(0x123456);
    colors.ExpectPick(0x00FF00);
    colors.ExpectPick(0x654321);
    colors.ExpectPick(0x0000FF);
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        for (platform::Panel* swatch :
             {ui.panelNCColor, ui.panelNCTColor, ui.panelMCColor, ui.panelMCTColor})
            EXPECT_TRUE(swatch->focusPolicy() & Qt::TabFocus) << swatch->objectName().toStdString();
        QTest::keyClick(ui.panelNCColor, Qt::Key_Space);
        accessible_actions::Press(*ui.panelNCTColor);
        EXPECT_EQ(platform::ToQColor(0x123456), ui.edNewCatName->palette().color(QPalette::Base));
        EXPECT_EQ(platform::ToQColor(0x00FF00), ui.edNewCatName->palette().color(QPalette::Text));
        ClickItem(ui, 1);
        QTest::keyClick(ui.panelMCColor, Qt::Key_Return);
        QTest::keyClick(ui.panelMCTColor, Qt::Key_Enter, Qt::KeypadModifier);
        ExpectModGroup(ui, "Sprawdzian", 0x654321, 0x0000FF);
        ui.btnModCategory->click();
    });
    EXPECT_EQ(0x654321u, document.Calendar.Categories.Get(1)->Color);
}

// A category chosen in the list, then each colour panel pressed through the accessibility
// interface: when its colour dialog is closed, the user goes on from the panel pressed.
TEST_F(EventsCategoriesEditorFormTest, AfterAColourDialogTheFocusIsOnTheColourPanel) {
    colors.ExpectPick(0x123456);
    colors.ExpectCancel();  // a cancelled dialog as well
    colors.ExpectPick(0x00FF00);
    colors.ExpectCancel();
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        QWidget& editor = *ui.lCategories->window();
        user_input::Activate(editor);
        for (platform::Panel* swatch :
             {ui.panelNCColor, ui.panelNCTColor, ui.panelMCColor, ui.panelMCTColor}) {
            SCOPED_TRACE(swatch->objectName().toStdString());
            QTest::mouseClick(ui.lCategories->viewport(), Qt::LeftButton, {},
                              ui.lCategories->visualItemRect(ui.lCategories->item(1)).center());
            ASSERT_EQ(ui.lCategories, QApplication::focusWidget());
            accessible_actions::Press(*swatch);
            user_input::Activate(editor);  // as the window manager does after the dialog
            EXPECT_EQ(swatch, QApplication::focusWidget());
        }
        EXPECT_EQ(0x123456u, ui.panelNCColor->Color());
    });
}

TEST_F(EventsCategoriesEditorFormTest, DeletingSelectsTheCategoryAboveAndShowsIt) {
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        ClickItem(ui, 2);
        ui.btnDelCategory->click();
        EXPECT_EQ(1, ui.lCategories->ItemIndex());
        ExpectModGroup(ui, "Sprawdzian", 0x00FFFF, 0x0000FF);
        ui.btnModCategory->click();  // writes back what it shows
        ClickItem(ui, 0);
        ui.btnDelCategory->click();
        EXPECT_EQ(-1, ui.lCategories->ItemIndex());
        ExpectModGroup(ui, "", 0xFFFFFF, 0x000000);
        ui.btnModCategory->click();  // nothing selected: nothing happens
    });
    EXPECT_EQ((std::vector<std::string>{"Sprawdzian"}), Names());
    EXPECT_EQ(0x00FFFFu, document.Calendar.Categories.Get(0)->Color);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(EventsCategoriesEditorFormTest, BrowsingAndPickingColoursChangeNothing) {
    colors.ExpectPick(0x0000FF);
    colors.ExpectCancel();
    Edit([this](Ui::TEventsCategoriesEditorForm& ui) {
        ClickItem(ui, 1);
        ui.panelMCColor->click();
        EXPECT_EQ(0x0000FFu, ui.panelMCColor->Color());
        ui.panelNCTColor->click();  // cancelled
        EXPECT_EQ(0x000000u, ui.panelNCTColor->Color());
    });
    // The dialog opens on the colour last confirmed in it, not on the swatch's.
    EXPECT_EQ((std::deque<TColor>{0, 0x0000FF}), colors.OpenedOn());
    EXPECT_EQ(0x00FFFFu, document.Calendar.Categories.Get(1)->Color);
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_FALSE(document.Modified);
}

TEST_F(EventsCategoriesEditorFormTest, EscapeAndTheTitleBarKeepTheChangesForSaving) {
    const std::function<void(TEventsCategoriesEditorForm&)> ways[] = {
        [](TEventsCategoriesEditorForm& editor) { user_input::KeyPress(editor, Qt::Key_Escape); },
        [](TEventsCategoriesEditorForm& editor) { editor.close(); },
    };
    int added = 0;
    for (const auto& way : ways) {
        document.Modified = false;
        testing_support::ExpectModal<TEventsCategoriesEditorForm>(
            [&] { form.Execute(main.owner, &document.Calendar); },
            [&](TEventsCategoriesEditorForm& editor) {
                user_input::Type(*editor.Ui().edNewCatName, QString("Nowa %1").arg(++added));
                editor.Ui().btnNewCategory->click();
                way(editor);
            });
        EXPECT_TRUE(document.Modified);
        EXPECT_EQ(nullptr, form.Calendar);
    }
}

TEST_F(EventsCategoriesEditorFormTest, ANullCalendarIsRefused) {
    form.Execute(main.owner, nullptr);
    EXPECT_FALSE(form.isVisible());
}
