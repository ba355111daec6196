#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
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

// A dialog that fills its fields when shown, as the program's windows do, and offers its
// date only when adding.
class FillingDialog : public QDialog {
  public:
    FillingDialog() {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* widget : {static_cast<QWidget*>(date), static_cast<QWidget*>(subject),
                                static_cast<QWidget*>(ok)})
            layout->addWidget(widget);
        QObject::connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    bool adding = true;
    QCheckBox* date = new QCheckBox("Data");
    QLineEdit* subject = new QLineEdit;
    QPushButton* ok = new QPushButton("OK");

  protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        date->setVisible(adding);
        subject->setText("Ala");
    }
};

TEST(ShowModal, OpensADialogShownAgainOnItsFirstFieldAsFilled) {
    FillingDialog dialog;
    for (const bool adding : {true, false, false, true}) {
        dialog.adding = adding;
        testing_support::ExpectModalWindow(
            [&] { ShowModal(dialog); }, [&](QWidget& window) { return &window == &dialog; },
            [&](QWidget&) {
                user_input::Activate(dialog);
                if (adding) {
                    EXPECT_EQ(dialog.date, QApplication::focusWidget());
                } else {
                    EXPECT_EQ(dialog.subject, QApplication::focusWidget());
                    EXPECT_EQ("Ala", dialog.subject->selectedText().toStdString());
                }
                QTest::mouseClick(dialog.ok, Qt::LeftButton);  // the button takes the focus
            },
            "the dialog");
    }
}

}  // namespace
}  // namespace platform
