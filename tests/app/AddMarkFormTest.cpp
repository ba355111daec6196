#include <gtest/gtest.h>

#include <QAccessible>
#include <QGridLayout>
#include <QToolButton>

#include "app/AddMarkForm.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_AddMarkForm.h"
#include "ui_Main.h"

namespace {

std::vector<int> Codes(TMarksList& marks) {
    std::vector<int> codes;
    for (int i = 0; i < marks.Count; ++i) codes.push_back(*marks.Get(i));
    return codes;
}

class AddMarkFormTest : public ::testing::Test {
  protected:
    AddMarkFormTest() { subject = testing_support::AddSubject(document, "Polski", {9}); }

    // Runs the keypad for the subject; `use` presses its buttons while it is up.
    void Execute(const std::function<void(Ui::TAddMarkForm&)>& use) {
        testing_support::ExpectModal<TAddMarkForm>([&] { keypad.Execute(subject); },
                                                   [&](TAddMarkForm& shown) { use(shown.Ui()); });
    }

    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    TSubject* subject = nullptr;
    testing_support::FakeMainServices main{&document};
    TAddMarkForm keypad{main};
};

TEST_F(AddMarkFormTest, SeventeenButtonsInThreeRowsOfTwoGroups) {
    EXPECT_EQ("Wybierz ocenę", keypad.windowTitle().toStdString());
    const auto buttons = keypad.findChildren<QToolButton*>();
    EXPECT_EQ(19U, buttons.size());  // the marks, "Dodaj" and "Anuluj"
    EXPECT_EQ(nullptr, keypad.findChild<QToolButton*>("btn6p"));

    // Each row: "-", digit, "+" of one group, then of the other; the digits 6 3 / 5 2 / 4 1.
    const char* const rows[3][2] = {{"6", "3"}, {"5", "2"}, {"4", "1"}};
    Ui::TAddMarkForm& ui = keypad.Ui();
    keypad.show();
    for (int row = 0; row < 3; ++row) {
        std::vector<QToolButton*> line;
        for (const char* digit : rows[row]) {
            for (const char* suffix : {"m", "", "p"}) {
                auto* button =
                    keypad.findChild<QToolButton*>(QString("btn%1%2").arg(digit, suffix));
                if (button != nullptr) line.push_back(button);
            }
        }
        for (std::size_t i = 1; i < line.size(); ++i) {
            EXPECT_LT(line[i - 1]->geometry().right(), line[i]->geometry().left())
                << line[i]->objectName().toStdString();
            EXPECT_EQ(line[0]->geometry().center().y(), line[i]->geometry().center().y());
        }
        if (row > 0) {
            EXPECT_LT(ui.btn6->geometry().bottom(), line[1]->geometry().top());
        }
    }
    EXPECT_EQ("-", ui.btn5m->text().toStdString());
    EXPECT_EQ("+", ui.btn1p->text().toStdString());
}

TEST_F(AddMarkFormTest, PlusAndMinusButtonsAreNamedByTheirWholeMark) {
    Ui::TAddMarkForm& ui = keypad.Ui();
    keypad.show();
    const std::pair<QToolButton*, const char*> named[] = {
        {ui.btn5m, "5-"}, {ui.btn1p, "1+"}, {ui.btn6m, "6-"}, {ui.btn4, "4"}};
    for (const auto& [button, name] : named) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(nullptr, accessible);
        EXPECT_EQ(name, accessible->text(QAccessible::Name).toStdString());
        EXPECT_EQ(Qt::NoFocus, button->focusPolicy());
    }
}

TEST_F(AddMarkFormTest, TheLastMarkPressedIsAppended) {
    Execute([](Ui::TAddMarkForm& ui) {
        EXPECT_TRUE(ui.lblSelectedMark->text().isEmpty());
        ui.btn2->click();
        EXPECT_EQ("2", ui.lblSelectedMark->text().toStdString());
        ui.btn5m->click();
        EXPECT_EQ("5-", ui.lblSelectedMark->text().toStdString());
        ui.btnAccept->click();
    });
    EXPECT_EQ((std::vector<int>{9, 13}), Codes(subject->Marks));
    EXPECT_EQ(1, main.modifiedCalls);
    EXPECT_FALSE(keypad.isVisible());
}

TEST_F(AddMarkFormTest, EveryButtonGivesItsCode) {
    const std::pair<platform::SpeedButton * Ui::TAddMarkForm::*, int> codes[] = {
        {&Ui::TAddMarkForm::btn1, 0},   {&Ui::TAddMarkForm::btn1m, 1},
        {&Ui::TAddMarkForm::btn1p, 2},  {&Ui::TAddMarkForm::btn2, 3},
        {&Ui::TAddMarkForm::btn2m, 4},  {&Ui::TAddMarkForm::btn2p, 5},
        {&Ui::TAddMarkForm::btn3, 6},   {&Ui::TAddMarkForm::btn3m, 7},
        {&Ui::TAddMarkForm::btn3p, 8},  {&Ui::TAddMarkForm::btn4, 9},
        {&Ui::TAddMarkForm::btn4m, 10}, {&Ui::TAddMarkForm::btn4p, 11},
        {&Ui::TAddMarkForm::btn5, 12},  {&Ui::TAddMarkForm::btn5m, 13},
        {&Ui::TAddMarkForm::btn5p, 14}, {&Ui::TAddMarkForm::btn6, 15},
        {&Ui::TAddMarkForm::btn6m, 16},
    };
    subject->Marks.Clear();
    for (const auto& [button, code] : codes) {
        Execute([&, button = button](Ui::TAddMarkForm& ui) {
            (ui.*button)->click();
            ui.btnAccept->click();
        });
    }
    std::vector<int> expected(17);
    for (int code = 0; code < 17; ++code) expected[code] = code;
    EXPECT_EQ(expected, Codes(subject->Marks));
}

TEST_F(AddMarkFormTest, AcceptingWithoutAMarkStopsAndEveryShowingStartsAfresh) {
    Execute([&](Ui::TAddMarkForm& ui) {
        boxes.Expect("Nie wybrałeś oceny.", "Quirvale 2", platform::mb::Ok | platform::mb::IconStop,
                     platform::answer::Ok);
        ui.btnAccept->click();
        EXPECT_TRUE(keypad.isVisible());
        ui.btn3->click();
        ui.btnAccept->click();
    });
    EXPECT_EQ((std::vector<int>{9, 6}), Codes(subject->Marks));

    // A mark picked in an earlier showing does not count.
    Execute([&](Ui::TAddMarkForm& ui) {
        EXPECT_TRUE(ui.lblSelectedMark->text().isEmpty());
        boxes.Expect("Nie wybrałeś oceny.", "Quirvale 2", platform::mb::Ok | platform::mb::IconStop,
                     platform::answer::Ok);
        ui.btnAccept->click();
        ui.btnCancel->click();
    });
    EXPECT_EQ((std::vector<int>{9, 6}), Codes(subject->Marks));
}

TEST_F(AddMarkFormTest, CancelAndEscapeLeaveTheSubjectAsItWas) {
    Execute([](Ui::TAddMarkForm& ui) {
        ui.btn4p->click();
        ui.btnCancel->click();
    });
    Execute([&](Ui::TAddMarkForm& ui) {
        ui.btn4p->click();
        keypad.reject();  // Esc
    });
    EXPECT_EQ((std::vector<int>{9}), Codes(subject->Marks));
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_FALSE(document.Modified);
}

TEST_F(AddMarkFormTest, TheKeypadForgetsItsSubjectWhenExecuteReturns) {
    Execute([](Ui::TAddMarkForm& ui) { ui.btnCancel->click(); });
    // A caller's subject may be gone by now (the final marks editor's is a temporary one):
    // a keypad shown again without one appends nowhere.
    keypad.show();
    keypad.Ui().btn5->click();
    keypad.Ui().btnAccept->click();
    EXPECT_EQ((std::vector<int>{9}), Codes(subject->Marks));
    EXPECT_EQ(0, main.modifiedCalls);
    keypad.hide();
}

}  // namespace

TEST_F(MainWindowTest, AddingAMarkShowsItInTheBrowserAndTheAverages) {
    TMainForm& form = Open();
    form.show();
    testing_support::ExpectNoModal([&] { ui().mAddMark->trigger(); }, "without a subject");
    testing_support::AddSubject(form.DataFile, "Polski", {12});
    form.RefreshSubjectsList();
    testing_support::ExpectModal<TAddMarkForm>([&] { ui().SpeedButton10->click(); },
                                               [](TAddMarkForm& keypad) {
                                                   keypad.Ui().btn4p->click();
                                                   keypad.Ui().btnAccept->click();
                                               });
    EXPECT_EQ("5,4+", ui().edMarks->text().toStdString());
    EXPECT_EQ("4,75", ui().lblSubjectAverage->text().toStdString());
    EXPECT_EQ("4,75", ui().lblGeneralAverage->text().toStdString());
    EXPECT_TRUE(form.IsModified());

    testing_support::ExpectModal<TAddMarkForm>(
        [&] { ui().mAddMark->trigger(); },
        [](TAddMarkForm& keypad) { keypad.Ui().btnCancel->click(); });
    EXPECT_EQ(2, form.DataFile.Subjects.Get(0)->Marks.Count);
}
