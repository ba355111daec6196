#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QScrollBar>
#include <functional>

#include "app/AlarmSettingsForm.h"
#include "app/AlarmsForm.h"
#include "app/GeneralStatisticsForm.h"
#include "app/LessonPlanForm.h"
#include "app/MarksValuesForm.h"
#include "app/ProgramOptionsForm.h"
#include "app/StudentDataForm.h"
#include "app/SubjectStatisticsForm.h"
#include "platform/qt/Panel.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/FakeMainServices.h"

namespace {

// What a user can reach: what takes the focus, every button and every clickable swatch;
// the inner parts of combo boxes, spins and scroll areas are named by their owners, and a
// combo's drop-down list is a window of its own.
bool IsReachableControl(const QWidget& widget, const QWidget& window) {
    if (widget.window() != &window) return false;
    const QWidget* parent = widget.parentWidget();
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent))
        return false;
    if (qobject_cast<const QScrollBar*>(&widget) || widget.objectName() == "qt_scrollarea_viewport")
        return false;
    if (qobject_cast<const QAbstractButton*>(&widget)) return true;
    if (qobject_cast<const platform::Panel*>(&widget))
        return widget.cursor().shape() == Qt::PointingHandCursor;
    return widget.focusPolicy() != Qt::NoFocus;
}

}  // namespace

TEST(ToolWindowsTest, EveryControlHasAnAccessibleName) {
    TDataFile document;
    testing_support::MakeNew(document);
    testing_support::FakeMainServices main{&document};
    const std::vector<std::function<std::unique_ptr<QDialog>()>> windows = {
        [&] { return std::make_unique<TSubjectStatisticsForm>(document, main); },
        [&] { return std::make_unique<TGeneralStatisticsForm>(document); },
        [&] { return std::make_unique<TAlarmsForm>(document); },
        [&] { return std::make_unique<TMarksValuesForm>(document, main); },
        [&] { return std::make_unique<TAlarmSettingsForm>(document, main); },
        [&] { return std::make_unique<TStudentDataForm>(document, main); },
        [&] { return std::make_unique<TLessonPlanForm>(document, main); },
        [&] { return std::make_unique<TProgramOptionsForm>(document, main); },
    };
    for (const auto& make : windows) {
        const std::unique_ptr<QDialog> window = make();
        window->show();
        int controls = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!IsReachableControl(*widget, *window)) continue;
            ++controls;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(nullptr, accessible);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << window->objectName().toStdString() << "::" << widget->objectName().toStdString();
            // Speed buttons never take the focus nor act as the default button.
            if (qobject_cast<QAbstractButton*>(widget) != nullptr &&
                widget->objectName().startsWith("btn")) {
                EXPECT_EQ(Qt::NoFocus, widget->focusPolicy());
            }
        }
        EXPECT_GT(controls, 0) << window->objectName().toStdString();
    }
}
