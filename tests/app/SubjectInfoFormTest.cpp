#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/SubjectInfoForm.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_Main.h"
#include "ui_SubjectInfoForm.h"

namespace {

class SubjectInfoFormTest : public ::testing::Test {
  protected:
    SubjectInfoFormTest() {
        testing_support::MakeNew(document);  // default mark values, threshold 2.0
    }

    // Shows the card of the subject at `index` and hands it to `check` while it is up.
    void ShowCard(int index, const std::function<void(Ui::TSubjectInfoForm&)>& check) {
        testing_support::ExpectModal<TSubjectInfoForm>(
            [&] { card.ShowSubjectInfo(owner, &document, index); },
            [&](TSubjectInfoForm& shown) {
                check(shown.Ui());
                shown.Ui().btnOK->click();
            });
    }

    testing_support::DecimalSeparatorOverride separator{','};
    TDataFile document;
    QWidget owner;
    TSubjectInfoForm card{&owner};
};

TEST_F(SubjectInfoFormTest, ShowsTheSubjectsCard) {
    testing_support::AddSubject(document, "Fizyka", {12, 11, 7}, 1, 11, "Nowak",
                                "Zeszyt\r\nLinijka");
    ShowCard(0, [](Ui::TSubjectInfoForm& ui) {
        EXPECT_EQ("Fizyka", ui.lblName->text().toStdString());
        EXPECT_EQ("4+", ui.lblFinalMark->text().toStdString());
        EXPECT_EQ("4,133", ui.lblAverage->text().toStdString());
        EXPECT_EQ("Przedmiot obowiązkowy i wliczany do średniej.",
                  ui.panelSubjectStatus->Caption());
        EXPECT_EQ("5,4+,3-", ui.edMarks->Text());
        EXPECT_EQ("Nowak", ui.edTeacher->Text());
        EXPECT_EQ("Zeszyt\r\nLinijka", ui.memoDescription->Text());
        EXPECT_FALSE(ui.lblMenace->isVisible());
        EXPECT_FALSE(ui.imgMenace->isVisible());
        EXPECT_TRUE(ui.edMarks->isReadOnly());
        EXPECT_TRUE(ui.memoDescription->isReadOnly());
    });
}

TEST_F(SubjectInfoFormTest, ANameTooLongForTheHeaderIsCutShortWithTheWholeNameInItsHint) {
    const std::string name = "Wychowanie" + std::string(290, 'W');
    testing_support::AddSubject(document, name);
    testing_support::AddSubject(document, "Fizyka");
    ShowCard(0, [&](Ui::TSubjectInfoForm& ui) {
        const QString shown = ui.lblName->text();
        EXPECT_TRUE(shown.startsWith("Wychowanie")) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_LE(ui.lblName->fontMetrics().horizontalAdvance(shown),
                  ui.lblName->contentsRect().width());
        EXPECT_EQ(name, ui.lblName->toolTip().toStdString());
        EXPECT_EQ(name, ui.lblName->accessibleName().toStdString());
    });
    // A name that fits is shown whole, with no hint left from the one before.
    ShowCard(1, [](Ui::TSubjectInfoForm& ui) {
        EXPECT_EQ("Fizyka", ui.lblName->text().toStdString());
        EXPECT_TRUE(ui.lblName->toolTip().isEmpty());
    });
}

TEST_F(SubjectInfoFormTest, ASubjectWithoutMarksIsEndangered) {
    testing_support::AddSubject(document, "Religia", {}, 0);
    ShowCard(0, [](Ui::TSubjectInfoForm& ui) {
        EXPECT_EQ("brak", ui.lblFinalMark->text().toStdString());
        EXPECT_EQ("0", ui.lblAverage->text().toStdString());
        EXPECT_EQ("", ui.edMarks->Text());
        EXPECT_EQ("Przedmiot dodatkowy", ui.panelSubjectStatus->Caption());
        EXPECT_TRUE(ui.lblMenace->isVisible());
        EXPECT_TRUE(ui.imgMenace->isVisible());
        EXPECT_EQ("Zagrożenie", ui.lblMenace->text().toStdString());
    });
}

TEST_F(SubjectInfoFormTest, AnAverageAtTheThresholdIsEndangeredAndAboveItIsNot) {
    testing_support::AddSubject(document, "Chemia", {3});    // 2.0
    testing_support::AddSubject(document, "Biologia", {4});  // 1.9
    document.Settings.AlarmThreshold = 2.0;
    ShowCard(0, [](Ui::TSubjectInfoForm& ui) { EXPECT_TRUE(ui.lblMenace->isVisible()); });
    document.Settings.AlarmThreshold = 1.95;
    ShowCard(0, [](Ui::TSubjectInfoForm& ui) { EXPECT_FALSE(ui.lblMenace->isVisible()); });
    ShowCard(1, [](Ui::TSubjectInfoForm& ui) { EXPECT_TRUE(ui.lblMenace->isVisible()); });
}

TEST_F(SubjectInfoFormTest, AnIndexOutsideTheListShowsAnEmptyCard) {
    testing_support::AddSubject(document, "Fizyka", {12}, 1, 3, "Nowak", "x");
    ShowCard(0, [](Ui::TSubjectInfoForm&) {});
    for (const int index : {1, -1}) {
        ShowCard(index, [](Ui::TSubjectInfoForm& ui) {
            EXPECT_TRUE(ui.lblName->text().isEmpty());
            EXPECT_TRUE(ui.lblFinalMark->text().isEmpty());
            EXPECT_TRUE(ui.lblAverage->text().isEmpty());
            EXPECT_EQ("", ui.panelSubjectStatus->Caption());
            EXPECT_EQ("", ui.edMarks->Text());
            EXPECT_EQ("", ui.edTeacher->Text());
            EXPECT_EQ("", ui.memoDescription->Text());
            EXPECT_FALSE(ui.lblMenace->isVisible());
        });
    }
}

TEST_F(SubjectInfoFormTest, WithoutADocumentNothingIsShown) {
    testing_support::ExpectNoModal([&] { card.ShowSubjectInfo(owner, nullptr, 0); },
                                   "without a document");
}

}  // namespace

TEST_F(MainWindowTest, TheCardShowsTheSelectedSubjectAndNeedsOne) {
    TMainForm& form = Open();
    form.show();
    QCoreApplication::processEvents();
    testing_support::ExpectNoModal([&] { ui().mSubjectInfo->trigger(); }, "without a subject");
    testing_support::AddSubject(form.DataFile, "Polski", {12});
    testing_support::AddSubject(form.DataFile, "Historia", {3});
    form.RefreshSubjectsList();
    form.SetCurrentSubject(1);
    testing_support::ExpectModal<TSubjectInfoForm>(
        [&] { ui().SpeedButton3->click(); },
        [&](TSubjectInfoForm& card) {
            EXPECT_EQ("Historia", card.Ui().lblName->text().toStdString());
            const QRect owner = form.frameGeometry();
            const QRect shown = card.frameGeometry();
            // Centred within the few pixels of a window frame the platform adds on showing.
            EXPECT_LE(std::abs(owner.center().x() - shown.center().x()), 3);
            EXPECT_LE(std::abs(owner.center().y() - shown.center().y()), 3);
            card.Ui().btnOK->click();
        });
    EXPECT_FALSE(form.IsModified());
}
