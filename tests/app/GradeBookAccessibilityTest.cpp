#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/AddMarkForm.h"
#include "app/AlarmsForm.h"
#include "app/FinalMarksEditorForm.h"
#include "app/LessonPlanForm.h"
#include "app/MarksEditorForm.h"
#include "app/SubjectInfoForm.h"
#include "app/SubjectModifyForm.h"
#include "app/SubjectsAddForm.h"
#include "app/SubjectsDeleteForm.h"
#include "core/DataFile.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/UserInput.h"
#include "ui_LessonPlanForm.h"

namespace {

bool Reachable(const QWidget& control) {
    return qobject_cast<const QAbstractButton*>(&control) != nullptr ||
           qobject_cast<const QLineEdit*>(&control) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&control) != nullptr ||
           qobject_cast<const QComboBox*>(&control) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&control) != nullptr;
}

// Every control a user can reach in the window has a name a screen reader can say.
void ExpectNamedControls(QWidget& window) {
    window.show();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // The window's own controls have names; the parts Qt builds inside them do not.
        const QString name = control->objectName();
        if (!Reachable(*control) || name.isEmpty() || name.startsWith("qt_")) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(nullptr, accessible);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << window.metaObject()->className() << "::" << control->objectName().toStdString();
    }
    window.hide();
}

// The labels and panels of the window that show a text a screen reader does not say (a label
// cut short with an ellipsis may say the whole text instead).
std::vector<std::string> SilentTexts(QWidget& window) {
    std::vector<std::string> silent;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString shown;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            shown = label->text();
        } else if (const auto* panel = qobject_cast<const platform::Panel*>(widget)) {
            shown = QString::fromStdString(panel->Caption());
        }
        shown = shown.remove(QChar(0x2026)).trimmed();
        if (shown.isEmpty() || !widget->isVisibleTo(&window)) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || !accessible->text(QAccessible::Name).contains(shown))
            silent.push_back(widget->objectName().toStdString() + ": " + shown.toStdString());
    }
    return silent;
}

}  // namespace

TEST(GradeBookAccessibilityTest, EveryWindowNamesItsControls) {
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TAddMarkForm keypad{main};
    TSubjectsAddForm add{document, main};
    TSubjectsDeleteForm remove{document, main};
    TSubjectModifyForm modify{document, main};
    TSubjectInfoForm card;
    TMarksEditorForm marks{document, main, keypad};
    TFinalMarksEditorForm finals{document, main, keypad};
    for (QDialog* window :
         std::initializer_list<QDialog*>{&keypad, &add, &remove, &modify, &card, &marks, &finals})
        ExpectNamedControls(*window);
}

TEST_F(MainWindowTest, TheMainWindowNamesItsControls) {
    ExpectNamedControls(Open());
}

TEST_F(MainWindowTest, EveryStateShownInALabelOrPanelIsSaid) {
    TMainForm& form = Open();
    form.DataFile.Student.Name = "Jan";
    form.DataFile.Student.Surname = "Kowalski";
    testing_support::AddSubject(form.DataFile, "Matematyka", {12, 9});
    testing_support::AddSubject(form.DataFile, "Fizyka", {0});
    form.RefreshAll();
    form.show();
    EXPECT_EQ(std::vector<std::string>{}, SilentTexts(form));

    testing_support::FakeMainServices main{&form.DataFile};
    TAlarmsForm alarms{form.DataFile};
    alarms.show();
    EXPECT_EQ(std::vector<std::string>{}, SilentTexts(alarms));
    TLessonPlanForm plan{form.DataFile, main};
    plan.show();
    user_input::Type(*plan.Ui().mmPlan, "WF");  // "Zmodyfikowany"
    EXPECT_EQ(std::vector<std::string>{}, SilentTexts(plan));
}
