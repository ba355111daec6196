#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app/ProgramOptionsForm.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_ProgramOptionsForm.h"

namespace {

void ClickOn(platform::Panel& swatch) {
    user_input::Click(swatch, swatch.rect().center());
}

class ProgramOptionsTest : public ::testing::Test {
  protected:
    ProgramOptionsTest() {
        testing_support::MakeNew(document);
        main.options.OpenLastFile = 1;
        defaults = document.Settings.TimeTableColors;
        form.show();
    }
    Ui::TProgramOptionsForm& ui() { return form.Ui(); }
    platform::Panel& Swatch(int slot) { return *form.Swatches()[slot]; }

    testing_support::ScriptedColorDialogs colors;
    TDataFile document;
    TTimeTableColors defaults{};
    testing_support::FakeMainServices main{&document};
    TProgramOptionsForm form{document, main};
};

}  // namespace

TEST_F(ProgramOptionsTest, ShowsTheFlagAndTheDocumentsColoursInTwoColumns) {
    EXPECT_EQ("Opcje", form.windowTitle().toStdString());
    EXPECT_TRUE(ui().checkOpenFileOnStartUp->Checked());
    EXPECT_EQ("Otwórz ostatnio otwarty plik przy starcie programu.",
              ui().checkOpenFileOnStartUp->text().toStdString());
    EXPECT_EQ("Nazwa dnia w  Sobotę i Niedzielę",
              ui().colorTTDayNameSatSunCaption->text().toStdString());
    EXPECT_EQ(ui().colorTTDayNameSatSun, &Swatch(ttDayNameSatSun));
    for (int slot = 0; slot < kTimeTableColors; ++slot) {
        EXPECT_EQ(defaults[slot], Swatch(slot).Color()) << slot;
        EXPECT_EQ(Qt::PointingHandCursor, Swatch(slot).cursor().shape());
    }
    for (int slot = 1; slot < 6; ++slot) {
        EXPECT_EQ(Swatch(0).x(), Swatch(slot).x());
        EXPECT_LT(Swatch(slot - 1).y(), Swatch(slot).y());
        EXPECT_LT(Swatch(slot).x(), Swatch(slot + 6).x());
        EXPECT_EQ(Swatch(slot).y(), Swatch(slot + 6).y());
    }
}

TEST_F(ProgramOptionsTest, OkWithoutAColourStoresTheFlagAndSavesTheSettingsOnly) {
    static_cast<QAbstractButton*>(ui().checkOpenFileOnStartUp)->click();
    ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(0, main.options.OpenLastFile);
    EXPECT_EQ(1, main.saveSettingsCalls);
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_FALSE(document.Modified);
}

TEST_F(ProgramOptionsTest, CancelledColoursAreShownNoMore) {
    colors.ExpectPick(0x00FF00);
    ClickOn(Swatch(ttEvent));
    EXPECT_EQ(0x00FF00u, Swatch(ttEvent).Color());
    ui().btnCancel->click();
    EXPECT_EQ(defaults, document.Settings.TimeTableColors);
    EXPECT_EQ(0, main.saveSettingsCalls);
    form.show();
    EXPECT_EQ(defaults[ttEvent], Swatch(ttEvent).Color());
    // The next OK does not carry the cancelled pick.
    ui().btnOK->click();
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(ProgramOptionsTest, PickingEvenTheSameColourStoresAllTwelve) {
    colors.ExpectPick(defaults[ttDay]);
    ClickOn(Swatch(ttDay));
    ui().btnOK->click();
    EXPECT_EQ(defaults, document.Settings.TimeTableColors);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(ProgramOptionsTest, TheColourDialogOpensOnTheColourLastConfirmedInIt) {
    colors.ExpectCancel();
    colors.ExpectPick(0x123456);
    colors.ExpectCancel();
    colors.ExpectPick(0x654321);
    ClickOn(Swatch(ttToday));
    EXPECT_EQ(defaults[ttToday], Swatch(ttToday).Color());
    ClickOn(Swatch(ttToday));
    ClickOn(Swatch(ttGridLines));
    ClickOn(Swatch(ttGridLines));
    EXPECT_EQ((std::deque<TColor>{0, 0, 0x123456, 0x123456}), colors.OpenedOn());
    ui().btnOK->click();
    EXPECT_EQ(0x123456u, document.Settings.TimeTableColors[ttToday]);
    EXPECT_EQ(0x654321u, document.Settings.TimeTableColors[ttGridLines]);
}

TEST_F(ProgramOptionsTest, ColoursKeepAllTheirBitsUnlessPicked) {
    document.Settings.TimeTableColors[ttBackground] = 0x80000005;  // a system colour
    form.close();
    form.show();
    EXPECT_EQ(0x80000005u, Swatch(ttBackground).Color());
    colors.ExpectPick(0x00FF00);
    ClickOn(Swatch(ttEvent));
    ui().btnOK->click();
    EXPECT_EQ(0x80000005u, document.Settings.TimeTableColors[ttBackground]);
    EXPECT_EQ(0x00FF00u, document.Settings.TimeTableColors[ttEvent]);
}

TEST_F(ProgramOptionsTest, TheSwatchesTakeTheFocusAndOpenTheirDialogFromTheKeyboard) {
    QApplication::setActiveWindow(&form);
    Swatch(ttBackground).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&Swatch(ttBackground), Qt::Key_Tab);
    EXPECT_TRUE(qobject_cast<platform::Panel*>(QApplication::focusWidget()) != nullptr);
    TTimeTableColors picked{};
    for (int slot = 0; slot < kTimeTableColors; ++slot) {
        platform::Panel& swatch = Swatch(slot);
        EXPECT_TRUE(swatch.focusPolicy() & Qt::TabFocus) << slot;
        picked[slot] = 0x101010u * static_cast<TColor>(slot + 1);
        colors.ExpectCancel();
        QTest::keyClick(&swatch, Qt::Key_Space);
        colors.ExpectCancel();
        accessible_actions::Press(swatch);
        colors.ExpectPick(picked[slot]);
        QTest::keyClick(&swatch, Qt::Key_Return);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&swatch);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << slot;
    }
    EXPECT_TRUE(form.isVisible());  // Enter on a swatch is not OK
    ui().btnOK->click();
    EXPECT_EQ(picked, document.Settings.TimeTableColors);
}

TEST_F(MainWindowTest, OptionsWriteTheSettingsFileOnOk) {
    WriteSettings(1, "", 10, 20);
    TMainForm& form = Open();
    form.show();
    testing_support::ExpectModal<TProgramOptionsForm>(
        [&] { ui().btnOptions->click(); },
        [](TProgramOptionsForm& options) {
            EXPECT_TRUE(options.Ui().checkOpenFileOnStartUp->Checked());
            static_cast<QAbstractButton*>(options.Ui().checkOpenFileOnStartUp)->click();
            options.Ui().btnOK->click();
        });
    const std::vector<std::uint8_t> settings = testing_support::ReadBytes(SettingsPath());
    ASSERT_EQ(13u, settings.size());
    EXPECT_EQ(0, settings[0]);
    EXPECT_EQ(0, form.Options.OpenLastFile);
    EXPECT_FALSE(form.IsModified());
}
