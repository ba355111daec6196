#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "app/LessonPlanForm.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_LessonPlanForm.h"

namespace {

// The user picks an item from the combo's list.
void Pick(platform::ComboBox& combo, int index) {
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

void TypeAtEnd(platform::Memo& memo, const QString& text) {
    memo.moveCursor(QTextCursor::End);
    user_input::Type(memo, text);
}

// Types a new last line.
void TypeLine(platform::Memo& memo, const QString& text) {
    memo.moveCursor(QTextCursor::End);
    user_input::KeyPress(memo, Qt::Key_Return, "\r");
    user_input::Type(memo, text);
}

class LessonPlanTest : public ::testing::Test {
  protected:
    LessonPlanTest() {
        testing_support::MakeNew(document);
        document.LessonPlan.Days[0] = "Polski\r\nFizyka";
        document.LessonPlan.Days[1] = "Chemia";
        testing_support::AddSubject(document, "Biologia");
        testing_support::AddSubject(document, "Historia");
        form.show();
    }
    Ui::TLessonPlanForm& ui() { return form.Ui(); }
    std::string Status() { return ui().panelStatus->Caption(); }

    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TLessonPlanForm form{document, main};
};

}  // namespace

TEST_F(LessonPlanTest, OpensOnMondayWithTheDaysAndSubjectsToInsert) {
    EXPECT_EQ("Plan lekcji", form.windowTitle().toStdString());
    std::vector<std::string> days;
    for (int i = 0; i < ui().cbDay->count(); ++i)
        days.push_back(ui().cbDay->itemText(i).toStdString());
    EXPECT_EQ((std::vector<std::string>{"Poniedziałek", "Wtorek", "Środa", "Czwartek", "Piątek",
                                        "Sobota"}),
              days);
    EXPECT_EQ(0, ui().cbDay->ItemIndex());
    EXPECT_EQ(2, ui().cbInsert->count());
    EXPECT_EQ(0, ui().cbInsert->ItemIndex());
    EXPECT_EQ("Polski\r\nFizyka", ui().mmPlan->Text());
    EXPECT_EQ("", Status());
    // Resizable, with no title-bar buttons.
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_NE(form.minimumSize(), form.maximumSize());
}

TEST_F(LessonPlanTest, TheStatusSaysOnTheAccessibilityBusWhatItShows) {
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(ui().panelStatus);
    ASSERT_NE(nullptr, status);
    EXPECT_EQ("Stan", status->text(QAccessible::Name).toStdString());
    TypeAtEnd(*ui().mmPlan, "x");
    EXPECT_EQ("Stan: Zmodyfikowany", status->text(QAccessible::Name).toStdString());
    ui().btnApply->click();
    EXPECT_EQ("Stan", status->text(QAccessible::Name).toStdString());
}

TEST_F(LessonPlanTest, SwitchingDaysDropsWhatWasNotApplied) {
    TypeLine(*ui().mmPlan, "WF");
    EXPECT_EQ("Zmodyfikowany", Status());
    Pick(*ui().cbDay, 1);
    EXPECT_EQ("Chemia", ui().mmPlan->Text());
    EXPECT_EQ("", Status());
    Pick(*ui().cbDay, 0);
    EXPECT_EQ("Polski\r\nFizyka", ui().mmPlan->Text());
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(LessonPlanTest, AppliedTextStaysWithItsDay) {
    TypeLine(*ui().mmPlan, "WF");
    ui().btnApply->click();
    EXPECT_EQ("", Status());
    EXPECT_EQ("Polski\r\nFizyka\r\nWF", document.LessonPlan.Days[0]);
    EXPECT_EQ(1, main.modifiedCalls);
    Pick(*ui().cbDay, 2);
    Pick(*ui().cbDay, 0);
    EXPECT_EQ("Polski\r\nFizyka\r\nWF", ui().mmPlan->Text());
}

TEST_F(LessonPlanTest, AnInsertedSubjectIsTheLastLineAndIsApplied) {
    ui().mmPlan->moveCursor(QTextCursor::Start);
    Pick(*ui().cbInsert, 1);
    EXPECT_EQ("Polski\r\nFizyka\r\nHistoria", ui().mmPlan->Text());
    EXPECT_EQ("Zmodyfikowany", Status());
    ui().btnApply->click();
    EXPECT_EQ("", Status());
    EXPECT_EQ("Polski\r\nFizyka\r\nHistoria", document.LessonPlan.Days[0]);
    EXPECT_EQ(1, main.modifiedCalls);
}

// A keyboard user walks to the eighth subject with the arrow keys and inserts it with Enter.
TEST_F(LessonPlanTest, TheArrowKeysReachASubjectAndEnterInsertsItOnce) {
    for (const char* name : {"Chemia", "Fizyka", "Geografia", "Muzyka", "Plastyka", "WF"})
        testing_support::AddSubject(document, name);
    form.close();
    form.show();
    user_input::Activate(form);
    ui().cbDay->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ui().cbDay, Qt::Key_Tab);
    ASSERT_EQ(ui().cbInsert, QApplication::focusWidget());
    for (int i = 0; i < 7; ++i) QTest::keyClick(ui().cbInsert, Qt::Key_Down);
    EXPECT_EQ("WF", ui().cbInsert->Text());
    EXPECT_EQ("Polski\r\nFizyka", ui().mmPlan->Text());
    EXPECT_EQ("", Status());
    QTest::keyClick(ui().cbInsert, Qt::Key_Return);
    EXPECT_EQ("Polski\r\nFizyka\r\nWF", ui().mmPlan->Text());
    EXPECT_EQ("Zmodyfikowany", Status());
    QTest::keyClick(ui().cbInsert, Qt::Key_Up);
    EXPECT_EQ("Polski\r\nFizyka\r\nWF", ui().mmPlan->Text());
}

TEST_F(LessonPlanTest, APickInTheOpenedListInsertsOnce) {
    user_input::Activate(form);
    platform::ComboBox& insert = *ui().cbInsert;
    QAbstractItemView& list = *insert.view();
    insert.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&insert, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list.isVisible());
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ("Polski\r\nFizyka\r\nHistoria", ui().mmPlan->Text());

    // A screen reader opens the list with the box's action and selects a subject in it.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&insert);
    ASSERT_NE(nullptr, box);
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    accessible_actions::ToggleItem(list, 0);
    QTest::qWait(0);
    EXPECT_EQ("Polski\r\nFizyka\r\nHistoria\r\nBiologia", ui().mmPlan->Text());
    EXPECT_FALSE(list.isVisible());
}

TEST_F(LessonPlanTest, AnInsertedSubjectKeepsTheDaysStoredBreaks) {
    document.LessonPlan.Days[2] = "x\ny\rz";
    Pick(*ui().cbDay, 2);
    Pick(*ui().cbInsert, 0);
    ui().btnApply->click();
    EXPECT_EQ("x\ny\rz\r\nBiologia", document.LessonPlan.Days[2]);
}

TEST_F(LessonPlanTest, TextPutInThroughTheAccessibilityInterfaceKeepsToTheCodePage) {
    accessible_actions::InsertText(*ui().mmPlan, 0, QString::fromUtf8("😀"));
    EXPECT_EQ("Polski\r\nFizyka", ui().mmPlan->Text());
    EXPECT_EQ("", Status());  // nothing was kept, so nothing changed
    accessible_actions::InsertText(*ui().mmPlan, 0, QString::fromUtf8("WF😀中\n"));
    EXPECT_EQ("Zmodyfikowany", Status());
    ui().btnApply->click();
    EXPECT_EQ("WF\r\nPolski\r\nFizyka", document.LessonPlan.Days[0]);
}

TEST_F(LessonPlanTest, ApplyWithoutChangesStoresNothing) {
    ui().btnApply->click();
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_FALSE(document.Modified);
}

TEST_F(LessonPlanTest, TypingIntoTheBoxesChoosesNoDayAndInsertsNothing) {
    user_input::Type(*ui().cbInsert->lineEdit(), "Mat");
    EXPECT_EQ("Polski\r\nFizyka", ui().mmPlan->Text());
    ui().cbDay->lineEdit()->selectAll();
    user_input::Type(*ui().cbDay->lineEdit(), "Niedziela");
    EXPECT_EQ(-1, ui().cbDay->ItemIndex());
    EXPECT_EQ("", ui().mmPlan->Text());
    TypeAtEnd(*ui().mmPlan, "Polski");
    ui().btnApply->click();
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_EQ("Polski\r\nFizyka", document.LessonPlan.Days[0]);
}

TEST_F(LessonPlanTest, EachOpeningStartsOnMondayFromTheDocument) {
    Pick(*ui().cbDay, 1);
    TypeAtEnd(*ui().mmPlan, "x");
    ui().btnClose->click();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_EQ(0, ui().cbDay->ItemIndex());
    EXPECT_EQ("Polski\r\nFizyka", ui().mmPlan->Text());
    EXPECT_EQ("Chemia", document.LessonPlan.Days[1]);
}

TEST_F(MainWindowTest, TheLessonPlanEditorRefreshesTheMainWindowsPlan) {
    TMainForm& form = Open();  // today is a Monday
    form.show();
    testing_support::ExpectModal<TLessonPlanForm>([&] { ui().btnLessonPlan->click(); },
                                                  [](TLessonPlanForm& plan) {
                                                      TypeAtEnd(*plan.Ui().mmPlan, "Matematyka");
                                                      plan.Ui().btnApply->click();
                                                      plan.Ui().btnClose->click();
                                                  });
    EXPECT_EQ("Matematyka", ui().memoLessonPlan->Text());
    EXPECT_TRUE(form.IsModified());
}
