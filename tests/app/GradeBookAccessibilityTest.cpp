#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/AddMarkForm.h"
#include "app/FinalMarksEditorForm.h"
#include "app/MarksEditorForm.h"
#include "app/SubjectInfoForm.h"
#include "app/SubjectModifyForm.h"
#include "app/SubjectsAddForm.h"
#include "app/SubjectsDeleteForm.h"
#include "core/DataFile.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/FakeMainServices.h"

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
