#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <cstdlib>

#include "app/AboutForm.h"
#include "app/EventsCategoriesEditorForm.h"
#include "app/TimeTableForm.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Memo.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AboutForm.h"
#include "ui_EventsCategoriesEditorForm.h"
#include "ui_TimeTableForm.h"

namespace {

// The main window's commands that open a window, each with a name for the messages.
const std::vector<std::pair<std::string, QAction * Ui::TMainForm::*>>& WindowCommands() {
    static const std::vector<std::pair<std::string, QAction* Ui::TMainForm::*>> commands = {
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
    return commands;
}

// Both centres within a pixel (the halving rounds down, and the frames differ in nothing else)
// along each way the window so lies on the screen; along a way it would not, it lies against
// the screen's edge, its top-left corner on the screen.
void ExpectCentredOver(const QWidget& owner, const QWidget& window, const std::string& what) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QPoint offset = owner.frameGeometry().center() - frame.center();
    const auto expect = [&](int offset, int start, int length, int screenStart, int screenLength,
                            const char* way) {
        const int centred = start + offset;
        if (centred > screenStart && centred + length < screenStart + screenLength) {
            EXPECT_LE(std::abs(offset), 1) << what << " off by " << offset << way;
        } else {
            EXPECT_TRUE(start == screenStart ||
                        (start > screenStart && start + length == screenStart + screenLength))
                << what << " at " << start << way;
        }
    };
    expect(offset.x(), frame.left(), frame.width(), screen.left(), screen.width(), " across");
    expect(offset.y(), frame.top(), frame.height(), screen.top(), screen.height(), " down");
}

// Every text of the document the windows show, each long enough to reach past any screen.
void FillWithLongTexts(TDataFile& document) {
    const auto text = [](const std::string& word) {
        return word + std::string(300 - word.size(), 'W');
    };
    testing_support::AddSubject(document, text("Matematyka"), {12, 3}, 1, kNoFinalMark,
                                text("Nauczyciel"), text("Notatka"));
    TStudent& pupil = document.Student;
    pupil.Name = text("Imię");
    pupil.Surname = text("Nazwisko");
    pupil.Comment = text("Uwagi");
    pupil.SchoolType = text("Typ");
    pupil.SchoolName = text("Szkoła");
    pupil.Term = text("Semestr");
    document.Calendar.AddCategory({text("Kategoria"), 0xFFFFFF, 0});
    testing_support::AddEvent(document.Calendar, 2005, 10, 3, text("Temat"), text("Kategoria"),
                              text("Opis"));
}

// No wider than the screen's free area, with every button inside the window and the screen.
void ExpectWithinTheScreen(QWidget& window, const std::string& what) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().width(), screen.width()) << what;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window)) continue;
        const QRect place(button->mapTo(&window, QPoint(0, 0)), button->size());
        EXPECT_TRUE(window.rect().contains(place) &&
                    screen.contains(place.translated(window.mapToGlobal(QPoint(0, 0)))))
            << what << ": " << button->objectName().toStdString() << " is out of reach";
    }
}

}  // namespace

// Each window is opened once, as the first showing of a window made anew: a window whose
// layout settles only as it is shown must still open centred.
TEST_F(MainWindowTest, EveryWindowOpensCentredOverTheMainWindowTheFirstTime) {
    for (const auto& [what, command] : WindowCommands()) {
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

// With most of the main window hanging off the screen's bottom right corner, each window opens
// on the screen, where its buttons can be reached.
TEST_F(MainWindowTest, EveryWindowOverAMainWindowPartlyOffTheScreenOpensOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& [what, command] : WindowCommands()) {
        TMainForm& form = Open();
        testing_support::AddSubject(form.DataFile, "Matematyka", {12, 3});
        form.RefreshSubjectsList();
        form.show();
        QCoreApplication::processEvents();
        const QSize main = form.frameGeometry().size();
        form.move(screen.right() - main.width() / 3, screen.bottom() - main.height() / 3);
        QCoreApplication::processEvents();
        testing_support::ExpectModalWindow(
            [&] { (ui().*command)->trigger(); }, [](QWidget&) { return true; },
            [&](QWidget& window) {
                const QRect frame = window.frameGeometry();
                EXPECT_TRUE(
                    screen.contains(QRect(frame.topLeft(), frame.size().boundedTo(screen.size()))))
                    << what << " at " << frame.x() << ", " << frame.y();
                window.close();
            },
            what);
    }
}

// Long texts are cut short or wrapped: a window stays within the screen with every button
// inside it, at every showing, and the main window keeps the width it has without them.
TEST_F(MainWindowTest, NoWindowGrowsPastTheScreenForALongText) {
    std::vector<std::pair<std::string, std::function<void(TMainForm&)>>> openers;
    for (const auto& [what, command] : WindowCommands())
        openers.emplace_back(
            what, [command = command](TMainForm& form) { (form.Ui().*command)->trigger(); });
    openers.emplace_back("Dodaj zdarzenie", [](TMainForm& form) {
        QWidget& cells = *form.Ui().TimeTableDrawGrid->viewport();
        user_input::DoubleClick(cells, cells.rect().center());
    });

    const int plainWidth = Open().frameGeometry().width();
    for (const auto& [what, open] : openers) {
        TMainForm& form = Open();
        FillWithLongTexts(form.DataFile);
        form.RefreshAll();
        form.show();
        QCoreApplication::processEvents();
        EXPECT_LE(form.frameGeometry().width(), plainWidth) << "the main window";
        for (int showing = 0; showing < 2; ++showing) {
            testing_support::ExpectModalWindow([&] { open(form); }, [](QWidget&) { return true; },
                                               [&](QWidget& window) {
                                                   QCoreApplication::processEvents();
                                                   ExpectWithinTheScreen(window, what);
                                                   window.close();
                                               },
                                               what);
        }
    }
}

// Opened through the main window, as the user opens them.
TEST_F(MainWindowTest, EachWindowHasItsKindOfFrame) {
    const auto fixedSize = [](const QWidget& window) {
        return window.minimumSize() == window.maximumSize();
    };
    const Qt::WindowFlags titleBarButtons =
        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
        Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    const std::vector<
        std::tuple<std::string, QAction * Ui::TMainForm::*, std::function<void(QWidget&)>>>
        kinds = {
            {"Dodaj przedmiot", &Ui::TMainForm::mSubjectAdd,
             [](QWidget& window) { EXPECT_EQ(Qt::Tool, window.windowType()); }},
            {"Usuń przedmiot", &Ui::TMainForm::mSubjectDel,
             [](QWidget& window) { EXPECT_EQ(Qt::Tool, window.windowType()); }},
            {"Informacje", &Ui::TMainForm::mSubjectInfo,
             [&](QWidget& window) {
                 EXPECT_EQ(Qt::Tool, window.windowType());
                 EXPECT_TRUE(fixedSize(window));
             }},
            {"Modyfikacja przedmiotu", &Ui::TMainForm::mSubjectModify,
             [&](QWidget& window) {
                 EXPECT_EQ(Qt::Dialog, window.windowType());
                 EXPECT_FALSE(fixedSize(window));
             }},
            {"Plan lekcji", &Ui::TMainForm::mLessonPlan,
             [&](QWidget& window) {
                 EXPECT_FALSE(window.windowFlags() & titleBarButtons);
                 EXPECT_FALSE(fixedSize(window));
             }},
        };
    TMainForm& form = Open();
    testing_support::AddSubject(form.DataFile, "Matematyka");
    form.RefreshSubjectsList();
    form.show();
    for (const auto& [what, command, check] : kinds) {
        testing_support::ExpectModalWindow([&] { (ui().*command)->trigger(); },
                                           [](QWidget&) { return true; },
                                           [&](QWidget& window) {
                                               SCOPED_TRACE(what);
                                               check(window);
                                               window.close();
                                           },
                                           what);
    }
}

// The small layouts read at the size the windows open at, in whatever font the system gives.

TEST_F(MainWindowTest, TheDiaryPreviewShowsTheRuleOnOneLineAndTheDescriptionBelowIt) {
    TMainForm& form = Open();
    testing_support::AddEvent(form.DataFile.Calendar, 2005, 10, 3, "Klasówka", "Sprawdzian",
                              "Ułamki zwykłe i dziesiętne");
    form.show();
    testing_support::ExpectModal<TTimeTableForm>(
        [&] { ui().mTimeTable->trigger(); },
        [&](TTimeTableForm& diary) {
            int row = 0;
            while (row < diary.Painter().RowCount && diary.Painter().RowEvent(row) == nullptr)
                ++row;
            ASSERT_LT(row, diary.Painter().RowCount);
            platform::DrawGrid& grid = *diary.Ui().DrawGrid;
            constexpr int kRowHeight = 16;
            user_input::Click(*grid.viewport(),
                              {grid.viewport()->width() / 2, row * kRowHeight + kRowHeight / 2});
            platform::Memo& memo = *diary.Ui().memoEventDesc;
            ASSERT_EQ(5, memo.blockCount());
            const QTextBlock rule = memo.document()->findBlockByNumber(2);
            QTextCursor ruleEnd(rule);
            ruleEnd.movePosition(QTextCursor::EndOfBlock);
            EXPECT_EQ(memo.cursorRect(QTextCursor(rule)).top(), memo.cursorRect(ruleEnd).top());
            EXPECT_EQ(0, memo.verticalScrollBar()->value());
            const QRect description =
                memo.cursorRect(QTextCursor(memo.document()->findBlockByNumber(4)));
            EXPECT_LE(description.bottom(), memo.viewport()->height());
            diary.Ui().btnExit->click();
        });
}

TEST_F(MainWindowTest, TheCategoriesListShowsWholeNames) {
    TMainForm& form = Open();
    form.DataFile.Calendar.AddCategory({"Poprawa sprawdzianu z matematyki", 0xFFFFFF, 0});
    form.DataFile.Calendar.AddCategory({"Zebranie z rodzicami", 0xFFFFFF, 0});
    form.show();
    testing_support::ExpectModal<TEventsCategoriesEditorForm>(
        [&] { ui().mCategoriesEditor->trigger(); },
        [&](TEventsCategoriesEditorForm& editor) {
            const platform::ListBox& list = *editor.Ui().lCategories;
            ASSERT_EQ(4, list.count());
            EXPECT_LE(list.sizeHintForColumn(0), list.viewport()->width());
            editor.Ui().btnOK->click();
        });
}

TEST_F(MainWindowTest, TheLicenceReadsWithoutScrollingAcross) {
    Open().show();
    testing_support::ExpectModal<TAboutForm>(
        [&] { ui().mAbout->trigger(); },
        [&](TAboutForm& about) {
            EXPECT_EQ(0, about.Ui().memoLicense->horizontalScrollBar()->maximum());
            about.Ui().btnClose->click();
        });
}
