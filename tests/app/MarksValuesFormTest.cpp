#include <QApplication>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "app/MarksValuesForm.h"
#include "platform/Numbers.h"
#include "platform/qt/Edit.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/TypedNumbers.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_MarksValuesForm.h"

namespace {

using testing_support::AddSubject;

const char* const kInvalid = "Wpisana wartość jest nieprawidłowa.";
const char* const kInvalidCaption = "Zła wartość";
constexpr unsigned kStop = platform::mb::Ok | platform::mb::IconStop;

// Moves the focus as the user's Tab or click would, so the edits see it enter and leave.
void FocusOn(QWidget& widget) {
    widget.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// The focus move of a click on the edit.
void ClickInto(QWidget& widget) {
    widget.setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void Retype(platform::Edit& edit, const QString& text) {
    FocusOn(edit);
    edit.selectAll();
    user_input::Type(edit, text);
}

// When the window gets the activation back from an error box: while the box is still closing,
// or only after it has gone; the window system may do either.
enum class Reactivation { BeforeTheBoxReturns, AfterTheBoxReturns };

// Error boxes that take the focus as a real one does: the window loses the activation to the
// box while it is up and gets it back, with its focus, when the box closes. The answers come
// from the scripted boxes installed before.
class BoxesThatTakeTheFocus {
  public:
    BoxesThatTakeTheFocus(QWidget& window, Reactivation reactivation)
        : window_(window), reactivation_(reactivation) {
        scripted_ = platform::SetMessageBoxService(std::make_unique<Box>(*this));
    }
    ~BoxesThatTakeTheFocus() { platform::SetMessageBoxService(std::move(scripted_)); }
    BoxesThatTakeTheFocus(const BoxesThatTakeTheFocus&) = delete;
    BoxesThatTakeTheFocus& operator=(const BoxesThatTakeTheFocus&) = delete;

  private:
    class Box final : public platform::MessageBoxService {
      public:
        explicit Box(BoxesThatTakeTheFocus& owner) : owner_(owner) {}
        int Show(const platform::MessageRequest& request) override { return owner_.Show(request); }

      private:
        BoxesThatTakeTheFocus& owner_;
    };

    int Show(const platform::MessageRequest& request) {
        QWidget box(nullptr, Qt::Dialog);
        box.show();
        Activate(box);
        EXPECT_EQ(&box, QApplication::activeWindow()) << "the box did not take the focus";
        const int answer = scripted_->Show(request);
        box.hide();
        if (reactivation_ == Reactivation::BeforeTheBoxReturns) {
            Activate(window_);
        } else {
            QWidget& window = window_;
            QMetaObject::invokeMethod(
                &window_, [&window] { Activate(window); }, Qt::QueuedConnection);
        }
        return answer;
    }

    static void Activate(QWidget& window) {
        window.activateWindow();
        QApplication::processEvents();
    }

    QWidget& window_;
    Reactivation reactivation_;
    std::unique_ptr<platform::MessageBoxService> scripted_;
};

class MarksValuesTest : public ::testing::Test {
  protected:
    MarksValuesTest() {
        testing_support::MakeNew(document);
        defaults = document.Settings.MarksValues;
    }

    // Opens the window active, as the main window shows it.
    TMarksValuesForm& Show() {
        form.show();
        form.activateWindow();
        QApplication::processEvents();
        return form;
    }
    Ui::TMarksValuesForm& ui() { return form.Ui(); }

    testing_support::DecimalSeparatorOverride separator{','};
    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    TMarksValues defaults{};
    testing_support::FakeMainServices main{&document};
    TMarksValuesForm form{document, main};
};

// The user's own separator: a point in the C locale, a comma in Polish.
class MarksValuesInTheUsersLocaleTest : public MarksValuesTest {
  protected:
    MarksValuesInTheUsersLocaleTest() { platform::SetDecimalSeparatorSource({}); }
};

}  // namespace

TEST_F(MarksValuesTest, ShowsTheDocumentsValuesWithTheUsersSeparator) {
    document.Settings.MarksValues[9] = 4.25;
    Show();
    EXPECT_EQ("Wartości ocen", form.windowTitle().toStdString());
    EXPECT_EQ("1", ui().editValue1->Text());
    EXPECT_EQ("0,9", ui().editValue1m->Text());
    EXPECT_EQ("1,5", ui().editValue1p->Text());
    EXPECT_EQ("4,25", ui().editValue4->Text());
    EXPECT_EQ("5,9", ui().editValue6m->Text());
    EXPECT_EQ("Przywróć Domyślne", ui().btnSetDefaultMarksValues->text().toStdString());
    EXPECT_EQ("Akceptacja ustawień", ui().btnOK->toolTip().toStdString());
    EXPECT_EQ("Ustawia domyślne wartości ocen",
              ui().btnSetDefaultMarksValues->toolTip().toStdString());
    EXPECT_EQ("Anuluj dokonane zmiany", ui().btnCancel->toolTip().toStdString());
    EXPECT_EQ("Co to są wartości ocen?", ui().SpeedButton1->toolTip().toStdString());
}

TEST_F(MarksValuesTest, LeavingAnEditWithNoNumberRestoresItsText) {
    Show();
    Retype(*ui().editValue2, "abc");
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    FocusOn(*ui().editValue3);
    EXPECT_EQ("2", ui().editValue2->Text());

    // A valid text stays as typed, and OK stores it with the others.
    Retype(*ui().editValue3, "3,25");
    FocusOn(*ui().editValue4);
    EXPECT_EQ("3,25", ui().editValue3->Text());
    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(3.25, document.Settings.MarksValues[6]);
    EXPECT_EQ(defaults[3], document.Settings.MarksValues[3]);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(MarksValuesTest, NoNumberInTheEditBeingTypedInStopsOkAndStoresNothing) {
    Show();
    Retype(*ui().editValue1, "9");
    FocusOn(*ui().editValue5);
    Retype(*ui().editValue5, "x");
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ui().btnOK->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ("5", ui().editValue5->Text());
    EXPECT_EQ("9", ui().editValue1->Text());
    EXPECT_EQ(defaults, document.Settings.MarksValues);
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(MarksValuesTest, OkPutsBackTheTextTheEditHeldWhenEntered) {
    Show();
    Retype(*ui().editValue5, "4,5");
    FocusOn(*ui().editValue5m);
    Retype(*ui().editValue5, "x");
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ui().btnOK->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ("4,5", ui().editValue5->Text());
    EXPECT_EQ(defaults, document.Settings.MarksValues);

    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(4.5, document.Settings.MarksValues[12]);
}

TEST_F(MarksValuesTest, TheEditFocusedAtOpeningCountsAsEntered) {
    Show();
    ASSERT_EQ(ui().editValue1, form.focusWidget());
    ui().editValue1->selectAll();
    user_input::Type(*ui().editValue1, "x");
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    FocusOn(*ui().editValue2);
    EXPECT_EQ("1", ui().editValue1->Text());
}

// Text that is no number typed into one edit, a click into the next one (the error box comes up
// and goes), that one emptied and left by a click as well: each edit gets back its own text,
// whichever way the focus came into it.
void LeaveTwoEditsWithNoNumberByClicks(TMarksValuesForm& form,
                                       testing_support::ScriptedMessageBoxes& boxes,
                                       Reactivation reactivation) {
    Ui::TMarksValuesForm& ui = form.Ui();
    BoxesThatTakeTheFocus focusTaking(form, reactivation);
    ClickInto(*ui.editValue1m);
    ui.editValue1m->selectAll();
    user_input::Type(*ui.editValue1m, "abc");
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ClickInto(*ui.editValue1p);
    ASSERT_TRUE(form.isActiveWindow());
    ASSERT_EQ(ui.editValue1p, QApplication::focusWidget());
    EXPECT_EQ("0,9", ui.editValue1m->Text());

    ui.editValue1p->selectAll();
    user_input::KeyPress(*ui.editValue1p, Qt::Key_Delete);
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ClickInto(*ui.editValue2);
    ASSERT_EQ(ui.editValue2, QApplication::focusWidget());
    EXPECT_EQ("1,5", ui.editValue1p->Text());
    EXPECT_EQ("0,9", ui.editValue1m->Text());
}

TEST_F(MarksValuesTest, TheFocusBackFromAnErrorBoxEntersTheEditClicked) {
    Show();
    LeaveTwoEditsWithNoNumberByClicks(form, boxes, Reactivation::AfterTheBoxReturns);
    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(defaults, document.Settings.MarksValues);
}

TEST_F(MarksValuesTest, TheFocusBackBeforeTheErrorBoxReturnsEntersTheEditClicked) {
    Show();
    LeaveTwoEditsWithNoNumberByClicks(form, boxes, Reactivation::BeforeTheBoxReturns);
    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(defaults, document.Settings.MarksValues);
}

TEST_F(MarksValuesTest, ActivatingTheWindowAgainKeepsWhatWasTyped) {
    Show();
    Retype(*ui().editValue3, "3,75");
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
    EXPECT_EQ("3,75", ui().editValue3->Text());
}

TEST_F(MarksValuesTest, NoNumberSetThroughTheAccessibilityInterfaceIsPutBackAndFocusedByOk) {
    Show();
    Retype(*ui().editValue2, "2,5");
    accessible_actions::ReplaceText(*ui().editValue4m, "abc");
    ASSERT_EQ(ui().editValue2, QApplication::focusWidget());
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ui().btnOK->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(platform::FloatToStr(defaults[10]), ui().editValue4m->Text());
    EXPECT_EQ(ui().editValue4m, QApplication::focusWidget());
    EXPECT_EQ("2,5", ui().editValue2->Text());
    EXPECT_EQ(defaults, document.Settings.MarksValues);

    ui().btnOK->click();  // nothing wrong is left: no box again
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(2.5, document.Settings.MarksValues[3]);
    EXPECT_EQ(defaults[10], document.Settings.MarksValues[10]);
}

TEST_F(MarksValuesTest, NumbersTooLongForADoubleAreNoValues) {
    Show();
    const QString tooLong(400, '9');
    Retype(*ui().editValue4, tooLong);
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    FocusOn(*ui().editValue5);
    EXPECT_EQ("4", ui().editValue4->Text());

    Retype(*ui().editValue5, tooLong);
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ui().btnOK->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ("5", ui().editValue5->Text());
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(MarksValuesTest, AValueThatIsNoNumberInTheFileMustBeRetypedBeforeAnythingIsStored) {
    document.Settings.MarksValues[16] = std::nan("");
    Show();
    EXPECT_EQ("NAN", ui().editValue6m->Text());
    Retype(*ui().editValue1, "2");
    boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
    ui().btnOK->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(1.0, document.Settings.MarksValues[0]);

    Retype(*ui().editValue6m, "5,5");
    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(2.0, document.Settings.MarksValues[0]);
    EXPECT_EQ(5.5, document.Settings.MarksValues[16]);
}

TEST_F(MarksValuesInTheUsersLocaleTest, EveryNumberStoredIsShownBackAndStoredAgainAsItWas) {
    for (const std::string& text : testing_support::TypedNumbersOfEveryMagnitude()) {
        Show();
        Retype(*ui().editValue4, QString::fromStdString(text));
        ui().btnOK->click();
        ASSERT_FALSE(form.isVisible()) << text;
        const double stored = document.Settings.MarksValues[9];
        EXPECT_EQ(platform::StrToFloat(text), stored) << text;

        Show();
        ui().btnOK->click();
        ASSERT_FALSE(form.isVisible()) << text << " shown as " << ui().editValue4->Text();
        EXPECT_EQ(stored, document.Settings.MarksValues[9]) << text;
    }
}

TEST_F(MarksValuesInTheUsersLocaleTest, NumbersThatWouldBeShownBackOtherwiseAreNoValues) {
    Show();
    for (const std::string& text : testing_support::TypedNumbersShownBackOtherwise()) {
        Retype(*ui().editValue4, QString::fromStdString(text));
        boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
        FocusOn(*ui().editValue5);
        EXPECT_EQ("4", ui().editValue4->Text()) << text;

        Retype(*ui().editValue4, QString::fromStdString(text));
        boxes.Expect(kInvalid, kInvalidCaption, kStop, platform::answer::Ok);
        ui().btnOK->click();
        EXPECT_TRUE(form.isVisible()) << text;
        EXPECT_EQ("4", ui().editValue4->Text()) << text;
    }
    EXPECT_EQ(defaults, document.Settings.MarksValues);
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(MarksValuesTest, DefaultsReachTheDocumentOnlyThroughOk) {
    document.Settings.MarksValues.fill(3.0);
    Show();
    ui().btnSetDefaultMarksValues->click();
    EXPECT_EQ("0,9", ui().editValue1m->Text());
    ui().btnCancel->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(3.0, document.Settings.MarksValues[1]);
    EXPECT_EQ(0, main.modifiedCalls);

    Show();
    EXPECT_EQ("3", ui().editValue1m->Text());
    ui().btnSetDefaultMarksValues->click();
    ui().btnOK->click();
    EXPECT_EQ(defaults, document.Settings.MarksValues);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(MarksValuesTest, EnterInAnEditPressesNoButton) {
    Show();
    Retype(*ui().editValue2, "2,25");
    user_input::KeyPress(*ui().editValue2, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(defaults, document.Settings.MarksValues);
}

TEST_F(MarksValuesTest, APointIsTheSeparatorWhereTheUserHasIt) {
    testing_support::DecimalSeparatorOverride point('.');
    Show();
    EXPECT_EQ("0.9", ui().editValue1m->Text());
    Retype(*ui().editValue1m, "0.75");
    ui().btnOK->click();
    EXPECT_EQ(0.75, document.Settings.MarksValues[1]);
}

TEST_F(MainWindowTest, NewMarkValuesRedrawTheSubjectBrowser) {
    TMainForm& form = Open();
    form.show();
    AddSubject(form.DataFile, "Polski", {12});
    form.RefreshSubjectsList();
    testing_support::ExpectModal<TMarksValuesForm>([&] { ui().mSetMarksValues->trigger(); },
                                                   [](TMarksValuesForm& values) {
                                                       values.Ui().editValue5->SetText("4,5");
                                                       values.Ui().btnOK->click();
                                                   });
    EXPECT_EQ("4,5", ui().lblSubjectAverage->text().toStdString());
    EXPECT_TRUE(form.IsModified());
}
