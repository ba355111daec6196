#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/ModalWatch.h"

namespace {

// Both centres within a pixel: the halving rounds down, and the frames differ in nothing else.
void ExpectCentredOver(const QWidget& owner, const QWidget& window, const std::string& what) {
    const QPoint offset = owner.frameGeometry().center() - window.frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 1) << what << " off by " << offset.x() << " across";
    EXPECT_LE(std::abs(offset.y()), 1) << what << " off by " << offset.y() << " down";
}

}  // namespace

// Each window is opened once, as the first showing of a window made anew: a window whose
// layout settles only as it is shown must still open centred.
TEST_F(MainWindowTest, EveryWindowOpensCentredOverTheMainWindowTheFirstTime) {
    const std::vector<std::pair<std::string, QAction* Ui::TMainForm::*>> commands = {
        {"Nowy przedmiot", &Ui::TMainForm::mSubjectAdd},
        {"Modyfikacja przedmiotu", &Ui::TMainForm::mSubjectModify},
        {"Usuń przedmiot", &Ui::TMainForm::mSubjectDel},
        {"Informacje", &Ui::TMainForm::mSubjectInfo},
        {"Statystyka przedmiotu", &Ui::TMainForm::mSubjectStat},
        {"Edytor ocen", &Ui::TMainForm::mAddDelMark},
        {"Oceny końcowe", &Ui::TMainForm::mFinalMarks},
        {"Statystyka", &Ui::TMainForm::mStat},
        {"Alarmy", &Ui::TMainForm::mAlarms},
        {"Wartości ocen", &Ui::TMainForm::mSetMarksValues},
        {"Ustawienia alarmu", &Ui::TMainForm::mSetAlarm},
        {"Dane ucznia", &Ui::TMainForm::mSetStudentData},
        {"Plan lekcji", &Ui::TMainForm::mLessonPlan},
        {"Plan lekcji jako HTML", &Ui::TMainForm::mExportLessonPlanToHTML},
        {"Terminarz", &Ui::TMainForm::mTimeTable},
        {"Kategorie zdarzeń", &Ui::TMainForm::mCategoriesEditor},
        {"Opcje", &Ui::TMainForm::mOptions},
        {"O programie", &Ui::TMainForm::mAbout},
        {"Raport tekstowy", &Ui::TMainForm::mReportTxt},
        {"Raport HTML", &Ui::TMainForm::mReportHTML},
    };
    for (const auto& [what, command] : commands) {
        TMainForm& form = Open();
        testing_support::AddSubject(form.DataFile, "Matematyka", {12, 3});
        form.RefreshSubjectsList();
        form.show();
        QCoreApplication::processEvents();
        testing_support::ExpectModalWindow([&] { (ui().*command)->trigger(); },
                                           [](QWidget&) { return true; },
                                           [&](QWidget& window) {
                                               ExpectCentredOver(form, window, what);
                                               window.close();
                                           },
                                           what);
    }
}
