#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "app/GeneralStatisticsForm.h"
#include "app/MarkStatistics.h"
#include "app/SubjectStatisticsForm.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_GeneralStatisticsForm.h"
#include "ui_SubjectStatisticsForm.h"

namespace {

using testing_support::AddSubject;

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

// Every count label's text in code order, then the grade sums and the total.
template <class Layout>
std::vector<std::string> AllCounts(Layout& ui) {
    const TMarkCountLabels labels = MarkCountLabels(ui);
    std::vector<std::string> texts;
    for (const QLabel* label : labels.Kinds) texts.push_back(Text(label));
    for (const QLabel* label : labels.Grades) texts.push_back(Text(label));
    texts.push_back(Text(labels.All));
    return texts;
}

class StatisticsTest : public ::testing::Test {
  protected:
    StatisticsTest() { testing_support::MakeNew(document); }
    TDataFile document;
    testing_support::FakeMainServices main{&document};
};

}  // namespace

TEST(MarkStatisticsTest, GradesSumTheirThreeKindsAndGradeSixItsTwo) {
    TMarkCounters counters{};
    for (int code = 0; code < kMarkKinds; ++code) counters[code] = code + 1;
    const TGradeSums sums = SumGrades(counters);
    EXPECT_EQ((std::array<std::int32_t, 6>{1 + 2 + 3, 4 + 5 + 6, 7 + 8 + 9, 10 + 11 + 12,
                                           13 + 14 + 15, 16 + 17}),
              sums.Grades);
    EXPECT_EQ(17 * 18 / 2, sums.All);
}

TEST_F(StatisticsTest, TheSubjectWindowCountsTheCurrentSubjectsMarksUnderItsName) {
    AddSubject(document, "Fizyka", {12});
    AddSubject(document, "Język polski", {3, 4, 5, 16});  // 2, 2-, 2+, 6-
    main.currentSubject = 1;
    TSubjectStatisticsForm form(document, main);
    form.show();

    EXPECT_EQ("Język polski", form.windowTitle().toStdString());
    std::vector<std::string> expected(17, "0");
    expected[3] = expected[4] = expected[5] = expected[16] = "1";
    expected.insert(expected.end(), {"0", "3", "0", "0", "0", "1", "4"});
    EXPECT_EQ(expected, AllCounts(form.Ui()));
}

TEST_F(StatisticsTest, WithoutACurrentSubjectEveryCountIsZeroAndTheCaptionStays) {
    AddSubject(document, "Fizyka", {12, 12});
    TSubjectStatisticsForm form(document, main);
    form.show();
    EXPECT_EQ("Statystyka", form.windowTitle().toStdString());
    EXPECT_EQ(std::vector<std::string>(24, "0"), AllCounts(form.Ui()));
}

TEST_F(StatisticsTest, EachShowingCountsTheDocumentAsItIsThen) {
    TSubject* subject = AddSubject(document, "Fizyka", {12});
    main.currentSubject = 0;
    TSubjectStatisticsForm form(document, main);
    form.show();
    EXPECT_EQ("1", Text(form.Ui().lbl_5));
    form.Ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    subject->Marks.AddMark(12);
    form.show();
    EXPECT_EQ("2", Text(form.Ui().lbl_5));
    EXPECT_EQ("2", Text(form.Ui().AllMarks));
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(StatisticsTest, TheGeneralWindowCountsSubjectsByKindAndAllTheirMarks) {
    AddSubject(document, "Polski", {0, 1}, 1);
    AddSubject(document, "Fizyka", {1, 15}, 1);
    AddSubject(document, "Religia", {14}, 0);
    TGeneralStatisticsForm form(document);
    form.show();

    EXPECT_EQ("Statystyka", form.windowTitle().toStdString());
    EXPECT_EQ("Liczba przedmiotów ", form.Ui().grpSubjects->title().toStdString());
    EXPECT_EQ(" Wszystkich", Text(form.Ui().lblAllSubjectsCountCaption));
    EXPECT_EQ("2", Text(form.Ui().lblSubjectsCount));
    EXPECT_EQ("1", Text(form.Ui().lblExtraSubjectsCount));
    EXPECT_EQ("3", Text(form.Ui().lblAllSubjectsCount));
    std::vector<std::string> expected(17, "0");
    expected[0] = "1";
    expected[1] = "2";
    expected[14] = "1";
    expected[15] = "1";
    expected.insert(expected.end(), {"3", "0", "0", "0", "1", "1", "5"});
    EXPECT_EQ(expected, AllCounts(form.Ui()));
}

TEST_F(StatisticsTest, AnEmptyDocumentShowsZeroEverywhere) {
    TGeneralStatisticsForm form(document);
    form.show();
    EXPECT_EQ("0", Text(form.Ui().lblSubjectsCount));
    EXPECT_EQ("0", Text(form.Ui().lblExtraSubjectsCount));
    EXPECT_EQ("0", Text(form.Ui().lblAllSubjectsCount));
    EXPECT_EQ(std::vector<std::string>(24, "0"), AllCounts(form.Ui()));
}

TEST_F(MainWindowTest, SubjectStatisticsOpenOnlyWithASelectedSubject) {
    TMainForm& form = Open();
    form.show();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    ui().mSubjectStat->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(opened);

    AddSubject(form.DataFile, "Chemia", {9});
    form.RefreshSubjectsList();
    testing_support::ExpectModal<TSubjectStatisticsForm>(
        [&] { ui().SpeedButton2->click(); },
        [](TSubjectStatisticsForm& statistics) {
            EXPECT_EQ("Chemia", statistics.windowTitle().toStdString());
            EXPECT_EQ("1", statistics.Ui().lbl_4->text().toStdString());
            statistics.Ui().btnOK->click();
        });
}

TEST_F(MainWindowTest, GeneralStatisticsOpenFromTheMenuAndTheToolBar) {
    TMainForm& form = Open();
    form.show();
    AddSubject(form.DataFile, "Chemia", {9});
    const auto check = [](TGeneralStatisticsForm& statistics) {
        EXPECT_EQ("1", statistics.Ui().lblAllSubjectsCount->text().toStdString());
        statistics.Ui().btnOK->click();
    };
    testing_support::ExpectModal<TGeneralStatisticsForm>([&] { ui().mStat->trigger(); }, check);
    testing_support::ExpectModal<TGeneralStatisticsForm>([&] { ui().btnStatistcs->click(); },
                                                         check);
    EXPECT_FALSE(form.IsModified());
}
