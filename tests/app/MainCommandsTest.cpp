#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "tests/app/MainWindowFixture.h"

namespace {

// The captions of a menu's items, "-" for a separator.
std::vector<std::string> Captions(const QMenu& menu) {
    std::vector<std::string> captions;
    for (const QAction* action : menu.actions())
        captions.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return captions;
}

const QMenu& TopMenu(const TMainForm& form, int index) {
    return *form.menuBar()->actions().at(index)->menu();
}

}  // namespace

TEST_F(MainWindowTest, TheMenuBarListsTheCommandsInOrder) {
    const TMainForm& form = Open();
    std::vector<std::string> titles;
    for (const QAction* action : form.menuBar()->actions())
        titles.push_back(action->text().toStdString());
    EXPECT_EQ((std::vector<std::string>{"Plik", "Edycja", "Przedmiot", "Statystyka", "Narzędzia",
                                        "Pomoc"}),
              titles);
    EXPECT_EQ((std::vector<std::string>{"Nowy...", "Otwórz...", "Zapisz", "Zapisz jako...", "-",
                                        "Raport", "-", "Zakończ"}),
              Captions(TopMenu(form, 0)));
    EXPECT_EQ((std::vector<std::string>{"Tekst", "HTML"}), Captions(*ui().mReport));
    EXPECT_EQ((std::vector<std::string>{"Dane ucznia...", "Alarm...", "Wartości ocen...", "-",
                                        "Oceny końcowe..."}),
              Captions(TopMenu(form, 1)));
    EXPECT_EQ(
        (std::vector<std::string>{"Dodaj...", "Modyfikuj...", "Usuń...", "-", "Informacje...",
                                  "Statystyka...", "-", "Dodaj ocenę...", "Dodaj/Usuń ocenę..."}),
        Captions(TopMenu(form, 2)));
    EXPECT_EQ((std::vector<std::string>{"Statystyka...", "Alarmy..."}), Captions(TopMenu(form, 3)));
    EXPECT_EQ(
        (std::vector<std::string>{"Plan lekcji", "Terminarz...", "Kategorie...", "-", "Opcje..."}),
        Captions(TopMenu(form, 4)));
    EXPECT_EQ((std::vector<std::string>{"Plan lekcji...", "Zapisz jako HTML..."}),
              Captions(*ui().mLessonPlanMenu));
    EXPECT_EQ((std::vector<std::string>{"O programie..."}), Captions(TopMenu(form, 5)));
}

TEST_F(MainWindowTest, TheToolBarButtonsStandInOrderWithTheirHints) {
    Open();
    const std::vector<std::pair<QToolButton*, std::string>> buttons = {
        {ui().btnNew, "Nowy dokument"},
        {ui().btnOpen, "Otwórz"},
        {ui().btnSave, "Zapisz"},
        {ui().btnSubject, "Przedmioty"},
        {ui().SpeedButton1, "Edycja ocen"},
        {ui().btnStatistcs, "Statystyka"},
        {ui().btnAlarms, "Alarmy - Zagrożenia z przedmiotów."},
        {ui().btnLessonPlan, "Zmień plan lekcji"},
        {ui().btnTimeTable, "Włącz terminarz"},
        {ui().SpeedButton4, "Edytuj kategorie..."},
        {ui().btnFinalMarks, "Oceny końcowe"},
        {ui().btnOptions, "Opcje"},
    };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].second, buttons[i].first->toolTip().toStdString());
        if (i > 0) {
            EXPECT_LT(ui().ToolBarLayout->indexOf(buttons[i - 1].first),
                      ui().ToolBarLayout->indexOf(buttons[i].first));
        }
    }
    EXPECT_EQ("Wpisz ocenę", ui().SpeedButton10->toolTip().toStdString());
    EXPECT_EQ("Informacje...", ui().SpeedButton3->toolTip().toStdString());
    EXPECT_EQ("Statystyka", ui().SpeedButton2->toolTip().toStdString());
}

TEST_F(MainWindowTest, TheRangePopUpSwitchesTheTimeTable) {
    TMainForm& form = Open();
    auto* popup = form.findChild<QMenu*>("popupTimeTableRange");
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ((std::vector<std::string>{"dzień", "tydzień", "miesiąc"}), Captions(*popup));
    popup->actions().at(2)->trigger();
    EXPECT_EQ(2, form.DrawTimeTable.Range);
    EXPECT_EQ("miesiąc", ui().btnSetTimeTableRange->text().toStdString());

    auto* subjects = form.findChild<QMenu*>("popupSubjectsButton");
    ASSERT_NE(nullptr, subjects);
    EXPECT_EQ((std::vector<std::string>{"Nowy...", "Modyfikuj...", "Usuń..."}),
              Captions(*subjects));
}

TEST_F(MainWindowTest, ExitClosesThroughTheClosingQuestion) {
    TMainForm& form = Open();
    form.show();
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Cancel);
    ui().mExit->trigger();
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MainWindowTest, AButtonRunsTheCommandOfItsMenuItem) {
    TMainForm& form = Open();
    form.SetModified();
    // "Nowy dokument" runs "Nowy...": the same save question, answered once.
    boxes.ExpectSaveQuestion(platform::answer::Cancel);
    ui().btnNew->click();
    EXPECT_TRUE(boxes.AllAnswered());
    EXPECT_EQ(1U, boxes.Shown().size());
}
