#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/AddChangeEventForm.h"
#include "core/DataFile.h"
#include "platform/Dates.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AddChangeEventForm.h"

namespace {

class AddChangeEventFormTest : public ::testing::Test {
  protected:
    AddChangeEventFormTest() : today(2005, 10, 3), form(document) {
        testing_support::MakeNew(document);  // with the two default categories
    }

    bool Add(TDateTime date, const std::function<void(TAddChangeEventForm&)>& handle) {
        bool result = false;
        testing_support::ExpectModal<TAddChangeEventForm>(
            [&] { result = form.ExecuteAdd(date, &document.Calendar); }, handle);
        return result;
    }
    bool Change(TClEvent* event, const std::function<void(TAddChangeEventForm&)>& handle) {
        bool result = false;
        testing_support::ExpectModal<TAddChangeEventForm>(
            [&] { result = form.ExecuteChange(event); }, handle);
        return result;
    }
    // Changes the event with "!" typed at the end of its description, and "OK".
    bool ChangeTheDescriptionsEnd(TClEvent* event) {
        return Change(event, [](TAddChangeEventForm& dialog) {
            dialog.Ui().memoDesc->moveCursor(QTextCursor::End);
            user_input::Type(*dialog.Ui().memoDesc, "!");
            dialog.Ui().btnOK->click();
        });
    }
    TClDay* Day(int year, int month, int day) {
        std::int32_t index = 0;
        TClYear* y = document.Calendar.Find(year, &index);
        TClMonth* m = y != nullptr ? y->Find(month, &index) : nullptr;
        return m != nullptr ? m->Find(day, &index) : nullptr;
    }

    testing_support::FixedToday today;
    TDataFile document;
    TAddChangeEventForm form;
};

}  // namespace

TEST_F(AddChangeEventFormTest, NothingToWorkOnShowsNothing) {
    EXPECT_FALSE(form.ExecuteAdd(platform::EncodeDate(2005, 10, 3), nullptr));
    EXPECT_FALSE(form.ExecuteChange(nullptr));
    EXPECT_FALSE(form.isVisible());
}

// A date typed over the picker's text after a click just behind the day's digits.
TEST_F(AddChangeEventFormTest, ADateTypedOverThePickersTextIsTheEventsDate) {
    const bool added = Add(platform::EncodeDate(2026, 12, 9), [](TAddChangeEventForm& dialog) {
        platform::DatePicker& picker = *dialog.Ui().DatePicker;
        user_input::Activate(dialog);
        picker.setFocus();
        picker.findChild<QLineEdit*>()->setCursorPosition(2);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(nullptr, focused);
        user_input::KeyClicks(*focused, "15012027");
        EXPECT_EQ("15.01.2027", picker.text().toStdString());
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    TClDay* day = Day(2027, 1, 15);
    ASSERT_NE(nullptr, day);
    EXPECT_EQ(1, day->Count());
    EXPECT_EQ(1, document.Calendar.Count());  // no year 120
}

// A date typed into the picker's drop-down calendar, as a user who opened it with its arrow
// and went on typing.
TEST_F(AddChangeEventFormTest, ADateTypedIntoThePopUpCalendarAddsNothingInYearOne) {
    const bool added = Add(platform::EncodeDate(2026, 12, 9), [](TAddChangeEventForm& dialog) {
        platform::DatePicker& picker = *dialog.Ui().DatePicker;
        user_input::Activate(dialog);
        QWidget* focused = user_input::DropDownCalendar(picker);
        ASSERT_NE(nullptr, focused);
        QTest::keyClicks(focused, "15012027");
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(&picker, Qt::Key_Tab);
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    EXPECT_NE(nullptr, Day(2026, 12, 9));
    EXPECT_EQ(1, document.Calendar.Count());
}

// Delete on the month's first digit of 31.12.2026, then Tab out of the picker.
TEST_F(AddChangeEventFormTest, DeleteInThePickerNeverAddsOnADateNobodySaw) {
    const bool added = Add(platform::EncodeDate(2026, 12, 31), [](TAddChangeEventForm& dialog) {
        platform::DatePicker& picker = *dialog.Ui().DatePicker;
        user_input::Activate(dialog);
        picker.setFocus(Qt::TabFocusReason);
        picker.findChild<QLineEdit*>()->setCursorPosition(3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        for (int i = 0; i < 3 && picker.hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_FALSE(picker.hasFocus());
        EXPECT_EQ("31.12.2026", picker.text().toStdString());
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    EXPECT_NE(nullptr, Day(2026, 12, 31));
    EXPECT_EQ(nullptr, Day(2026, 2, 28));
}

// The buttons take the focus when clicked; typing into the dialog opened again goes to its
// first field all the same: the date when adding, the subject when changing.
TEST_F(AddChangeEventFormTest, EveryOpeningStartsAtTheFirstField) {
    const auto pressWithTheMouse = [](QPushButton& button) {
        QTest::mouseClick(&button, Qt::LeftButton);
    };
    const auto typeIntoTheFocus = [](const QString& keys) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(nullptr, focused);
        QTest::keyClicks(focused, keys);
    };
    for (const bool add : {true, false}) {
        Add(platform::EncodeDate(2026, 12, 9), [&](TAddChangeEventForm& dialog) {
            user_input::Activate(dialog);
            pressWithTheMouse(add ? *dialog.Ui().btnOK : *dialog.Ui().btnCancel);
        });
        const bool added = Add(platform::EncodeDate(2026, 12, 9), [&](TAddChangeEventForm& dialog) {
            user_input::Activate(dialog);
            typeIntoTheFocus("15012027");
            EXPECT_EQ(platform::EncodeDate(2027, 1, 15), dialog.Ui().DatePicker->Date());
            pressWithTheMouse(*dialog.Ui().btnOK);
        });
        EXPECT_TRUE(added);
        EXPECT_NE(nullptr, Day(2027, 1, 15));
    }
    TClEvent* event = Day(2027, 1, 15)->GetEvent(0);
    const bool changed = Change(event, [&](TAddChangeEventForm& dialog) {
        user_input::Activate(dialog);
        typeIntoTheFocus("Wycieczka");
        pressWithTheMouse(*dialog.Ui().btnOK);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ("Wycieczka", event->Subject);
}

TEST_F(AddChangeEventFormTest, AddingWithEmptyFieldsAddsOnThePassedDateNotToday) {
    const bool added = Add(platform::EncodeDate(2005, 10, 20), [this](TAddChangeEventForm& dialog) {
        EXPECT_EQ("Nowe zdarzenie", dialog.windowTitle().toStdString());
        EXPECT_EQ("Dodaj", dialog.Ui().btnOK->text().toStdString());
        EXPECT_TRUE(dialog.Ui().panelDate->isVisible());
        EXPECT_EQ(TAddChangeEventForm::kDesignHeight, dialog.height());
        // The layout fits the design height: nothing is squeezed below its minimum.
        EXPECT_LE(dialog.minimumSizeHint().height(), dialog.height());
        EXPECT_EQ(platform::EncodeDate(2005, 10, 20), dialog.Ui().DatePicker->Date());
        EXPECT_EQ(-1, dialog.Ui().cbCategory->ItemIndex());
        EXPECT_EQ(document.Calendar.CategoriesCount(), dialog.Ui().cbCategory->ItemCount());
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    TClDay* day = Day(2005, 10, 20);
    ASSERT_NE(nullptr, day);
    ASSERT_EQ(1, day->Count());
    const TClEvent& event = *day->GetEvent(0);
    EXPECT_EQ("", event.Subject);
    EXPECT_EQ("", event.Description);
    EXPECT_EQ("", event.Category);
    EXPECT_EQ(0, event.Reserved1);
    EXPECT_EQ(0, event.Reserved2);
}

TEST_F(AddChangeEventFormTest, AnAddedEventKeepsWhatWasTypedAndPicked) {
    testing_support::AddEvent(document.Calendar, 2005, 10, 5, "Pierwsze");
    const bool added = Add(platform::EncodeDate(2005, 10, 3), [](TAddChangeEventForm& dialog) {
        dialog.Ui().DatePicker->SetDate(platform::EncodeDate(2005, 10, 5));
        user_input::Type(*dialog.Ui().edSubject, "Wycieczka");
        platform::Memo& memo = *dialog.Ui().memoDesc;
        user_input::Type(memo, "Zbiórka");
        user_input::KeyPress(memo, Qt::Key_Return, "\r");
        user_input::Type(memo, "o 8:00");
        user_input::Type(*dialog.Ui().cbCategory, "Własna");
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    TClDay* day = Day(2005, 10, 5);
    ASSERT_EQ(2, day->Count());
    const TClEvent& event = *day->GetEvent(1);  // after the day's earlier event
    EXPECT_EQ("Wycieczka", event.Subject);
    EXPECT_EQ("Zbiórka\r\no 8:00", event.Description);
    EXPECT_EQ("Własna", event.Category);
}

// A category pasted into the box, and a subject put in through the bus, are stored on one line.
TEST_F(AddChangeEventFormTest, APastedCategoryIsStoredOnOneLine) {
    const bool added = Add(platform::EncodeDate(2005, 10, 3), [](TAddChangeEventForm& dialog) {
        QLineEdit& category = *dialog.Ui().cbCategory->lineEdit();
        category.setFocus();
        user_input::Paste(category, "Bio-X\r\nChemia\n");
        accessible_actions::ReplaceText(*dialog.Ui().edSubject, "Test\r\nz działu 2");
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    const TClEvent& event = *Day(2005, 10, 3)->GetEvent(0);
    EXPECT_EQ("Bio-X Chemia ", event.Category);
    EXPECT_EQ("Test z działu 2", event.Subject);
}

// A stored category and subject keep their breaks through a change of the description.
TEST_F(AddChangeEventFormTest, AChangeOfTheDescriptionKeepsTheStoredBreaksOfTheOtherFields) {
    TClEvent* event = testing_support::AddEvent(document.Calendar, 2005, 10, 3, "Temat\r\n2",
                                                "Praca\nklasowa", "Opis");
    ASSERT_TRUE(ChangeTheDescriptionsEnd(event));
    EXPECT_EQ("Opis!", event->Description);
    EXPECT_EQ("Temat\r\n2", event->Subject);
    EXPECT_EQ("Praca\nklasowa", event->Category);
}

// The picker holds every date the calendar does, those before 1752 and at its ends included.
TEST_F(AddChangeEventFormTest, AddsOnEveryDateTheCalendarHolds) {
    const struct {
        int year, month, day;
        const char* shown;
    } dates[] = {{1, 1, 1, "01.01.0001"}, {51, 12, 14, "14.12.0051"}, {9999, 12, 31, "31.12.9999"}};
    for (const auto& date : dates) {
        const bool added =
            Add(platform::EncodeDate(date.year, date.month, date.day),
                [&](TAddChangeEventForm& dialog) {
                    EXPECT_EQ(date.shown, dialog.Ui().DatePicker->text().toStdString());
                    dialog.Ui().btnOK->click();
                });
        EXPECT_TRUE(added);
        EXPECT_NE(nullptr, Day(date.year, date.month, date.day)) << date.shown;
    }
}

TEST_F(AddChangeEventFormTest, CancelEscapeAndTheTitleBarAddNothing) {
    const std::function<void(TAddChangeEventForm&)> ways[] = {
        [](TAddChangeEventForm& dialog) {
            user_input::Type(*dialog.Ui().edSubject, "x");
            dialog.Ui().btnCancel->click();
        },
        [](TAddChangeEventForm& dialog) {
            user_input::Type(*dialog.Ui().edSubject, "x");
            user_input::KeyPress(dialog, Qt::Key_Escape);
        },
        [](TAddChangeEventForm& dialog) { dialog.close(); },
    };
    for (const auto& way : ways) EXPECT_FALSE(Add(platform::EncodeDate(2005, 10, 3), way));
    EXPECT_EQ(0, document.Calendar.Count());
}

TEST_F(AddChangeEventFormTest, ChangeModeShowsTheEventWithoutTheDateAndChangesNothingUntouched) {
    TClEvent* event = testing_support::AddEvent(document.Calendar, 2005, 10, 3, "Sprawdzian",
                                                "Usunięta", "Rozdział 1\r\n\r\nRozdział 2");
    const bool changed = Change(event, [](TAddChangeEventForm& dialog) {
        EXPECT_EQ("Zmiana właściwości zdarzenia", dialog.windowTitle().toStdString());
        EXPECT_EQ("Zmień", dialog.Ui().btnOK->text().toStdString());
        EXPECT_FALSE(dialog.Ui().panelDate->isVisible());
        EXPECT_EQ(TAddChangeEventForm::kDesignHeight - dialog.Ui().panelDate->height(),
                  dialog.height());
        EXPECT_LE(dialog.minimumSizeHint().height(), dialog.height());
        EXPECT_EQ("Sprawdzian", dialog.Ui().edSubject->Text());
        EXPECT_EQ("Rozdział 1\r\n\r\nRozdział 2", dialog.Ui().memoDesc->Text());
        // A category no longer in the list still shows as the event names it.
        EXPECT_EQ("Usunięta", dialog.Ui().cbCategory->Text());
        EXPECT_EQ(0, dialog.Modified);
        dialog.Ui().btnOK->click();
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ("Sprawdzian", event->Subject);
}

TEST_F(AddChangeEventFormTest, EveryKindOfEditCountsAsAChange) {
    TClEvent* event =
        testing_support::AddEvent(document.Calendar, 2005, 10, 3, "Temat", "", "Linia\r\nDruga");
    const std::function<void(TAddChangeEventForm&)> edits[] = {
        [](TAddChangeEventForm& d) {  // typed at the end and deleted again
            user_input::KeyPress(*d.Ui().edSubject, Qt::Key_End);
            user_input::Type(*d.Ui().edSubject, "x");
            user_input::KeyPress(*d.Ui().edSubject, Qt::Key_Backspace);
        },
        [](TAddChangeEventForm& d) {
            d.Ui().edSubject->selectAll();
            d.Ui().edSubject->cut();
        },
        [](TAddChangeEventForm& d) {
            d.Ui().edSubject->selectAll();
            d.Ui().edSubject->copy();
            d.Ui().edSubject->paste();
        },
        [](TAddChangeEventForm& d) {
            user_input::Type(*d.Ui().edSubject, "x");
            d.Modified = 0;
            d.Ui().edSubject->undo();
        },
        [](TAddChangeEventForm& d) { user_input::Type(*d.Ui().memoDesc, "!"); },
        [](TAddChangeEventForm& d) {
            d.Ui().memoDesc->selectAll();
            d.Ui().memoDesc->cut();
        },
        [](TAddChangeEventForm& d) {
            user_input::Type(*d.Ui().memoDesc, "!");
            d.Modified = 0;
            d.Ui().memoDesc->undo();
        },
        [](TAddChangeEventForm& d) {  // picked from the list by the keyboard
            user_input::KeyPress(*d.Ui().cbCategory, Qt::Key_Down);
        },
    };
    int i = 0;
    for (const auto& edit : edits) {
        const bool changed = Change(event, [&](TAddChangeEventForm& dialog) {
            edit(dialog);
            EXPECT_EQ(1, dialog.Modified) << "edit " << i;
            dialog.Ui().btnOK->click();
        });
        EXPECT_TRUE(changed) << "edit " << i;
        ++i;
    }
    // A changed event keeps its description's line breaks as they were, byte for byte.
    event->Description = "Linia\r\nDruga";
    const bool changed = Change(event, [](TAddChangeEventForm& dialog) {
        dialog.Ui().edSubject->clear();
        user_input::Type(*dialog.Ui().edSubject, "Nowy temat");
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(changed);
    EXPECT_EQ("Nowy temat", event->Subject);
    EXPECT_EQ("Linia\r\nDruga", event->Description);
}

TEST_F(AddChangeEventFormTest, AChangeOfTheSubjectKeepsTheDescriptionByteForByte) {
    TClEvent* event =
        testing_support::AddEvent(document.Calendar, 2005, 10, 3, "Temat", "", "x\ny\rz");
    const bool changed = Change(event, [](TAddChangeEventForm& dialog) {
        user_input::KeyPress(*dialog.Ui().edSubject, Qt::Key_End);
        user_input::Type(*dialog.Ui().edSubject, "!");
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(changed);
    EXPECT_EQ("Temat!", event->Subject);
    EXPECT_EQ("x\ny\rz", event->Description);
}

TEST_F(AddChangeEventFormTest,
       ADescriptionPutInThroughTheAccessibilityInterfaceKeepsToTheCodePage) {
    const bool added = Add(platform::EncodeDate(2005, 10, 3), [](TAddChangeEventForm& dialog) {
        accessible_actions::SetValue(*dialog.Ui().memoDesc, QString::fromUtf8("o 8😀:00\nsala"));
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    TClEvent* event = Day(2005, 10, 3)->GetEvent(0);
    EXPECT_EQ("o 8:00\r\nsala", event->Description);
    const bool changed = Change(event, [](TAddChangeEventForm& dialog) {
        accessible_actions::InsertText(*dialog.Ui().memoDesc, 0, QString::fromUtf8("中Ж"));
        EXPECT_EQ(0, dialog.Modified);  // nothing was kept, so nothing changed
        accessible_actions::InsertText(*dialog.Ui().memoDesc, 0, QString::fromUtf8("Ż中"));
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(changed);
    EXPECT_EQ("Żo 8:00\r\nsala", event->Description);
}

TEST_F(AddChangeEventFormTest, LongSubjectAndCategorySurviveAChangeOfTheDescription) {
    const std::string subject(40000, 'S');
    const std::string category(35000, 'K');
    TClEvent* event =
        testing_support::AddEvent(document.Calendar, 2005, 10, 3, subject, category, "Opis");
    ASSERT_TRUE(ChangeTheDescriptionsEnd(event));
    EXPECT_EQ("Opis!", event->Description);
    EXPECT_EQ(event->Subject.size(), subject.size());
    EXPECT_TRUE(event->Subject == subject);
    EXPECT_EQ(event->Category.size(), category.size());
    EXPECT_TRUE(event->Category == category);
}

TEST_F(AddChangeEventFormTest, TheFieldsTakeOnlyWhatTheCodePageHolds) {
    const bool added = Add(platform::EncodeDate(2005, 10, 3), [](TAddChangeEventForm& dialog) {
        user_input::Type(*dialog.Ui().edSubject, "Żак");
        user_input::Type(*dialog.Ui().memoDesc, "€Ω");
        user_input::Type(*dialog.Ui().cbCategory, "Ёś");
        dialog.Ui().btnOK->click();
    });
    ASSERT_TRUE(added);
    const TClEvent& event = *Day(2005, 10, 3)->GetEvent(0);
    EXPECT_EQ("Ż", event.Subject);
    EXPECT_EQ("€", event.Description);
    EXPECT_EQ("ś", event.Category);
}
