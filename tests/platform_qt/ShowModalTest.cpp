#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/qt/ComboBox.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/MonthCalendar.h"
#include "platform/qt/ShowModal.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

TEST(FirstField, IsTheFirstControlOfTheTabOrderThatTakesTheFocus) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel("Data");
    auto* hidden = new QCheckBox;
    auto* disabled = new QCheckBox;
    auto* picker = new DatePicker;
    auto* combo = new ComboBox;
    combo->setEditable(true);
    auto* calendar = new MonthCalendar;
    for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(hidden),
                            static_cast<QWidget*>(disabled), static_cast<QWidget*>(picker),
                            static_cast<QWidget*>(combo), static_cast<QWidget*>(calendar)})
        layout->addWidget(widget);
    hidden->hide();
    disabled->setEnabled(false);
    EXPECT_EQ(picker, FirstField(dialog));
    // Not the line edit inside the picker or the combo box: they pass the focus up.
    picker->hide();
    EXPECT_EQ(combo, FirstField(dialog));
    combo->setEnabled(false);
    // The calendar passes its focus down to its table of days.
    EXPECT_EQ(calendar, FirstField(dialog));
    calendar->hide();
    EXPECT_EQ(nullptr, FirstField(dialog));
}

TEST(ShowModal, OpensADialogShownAgainOnItsFirstField) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* first = new QCheckBox("Pierwsze");
    auto* ok = new QPushButton("OK");
    layout->addWidget(first);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    for (int opening = 0; opening < 2; ++opening) {
        testing_support::ExpectModalWindow(
            [&] { ShowModal(dialog); }, [&](QWidget& window) { return &window == &dialog; },
            [&](QWidget&) {
                user_input::Activate(dialog);
                EXPECT_EQ(first, QApplication::focusWidget()) << "opening " << opening;
                QTest::mouseClick(ok, Qt::LeftButton);  // the button takes the focus
            },
            "the dialog");
    }
}

}  // namespace
}  // namespace platform
