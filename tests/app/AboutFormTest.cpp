#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "app/AboutForm.h"
#include "platform/qt/Label.h"
#include "platform/qt/Memo.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AboutForm.h"

namespace {

// Stands in for the desktop's mail handler and records the links it was asked to open.
class MailHandler : public QObject {
    Q_OBJECT
  public:
    MailHandler() { QDesktopServices::setUrlHandler("mailto", this, "Open"); }
    ~MailHandler() override { QDesktopServices::unsetUrlHandler("mailto"); }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

}  // namespace

TEST(AboutFormTest, ShowsTheProgramAndItsLicence) {
    TAboutForm form;
    EXPECT_EQ("O programie...", form.windowTitle().toStdString());
    EXPECT_EQ("Quirvale 2", form.Ui().lblTitle->text().toStdString());
    EXPECT_EQ("Wersja:", form.Ui().lblVersionCaption->text().toStdString());
    EXPECT_EQ("2.00", form.Ui().lblVersion->text().toStdString());
    EXPECT_EQ("© 2026 Zespół Quirvale 2", form.Ui().lblRights->text().toStdString());
    EXPECT_EQ("Licencja", form.Ui().grpLicense->title().toStdString());
    EXPECT_TRUE(form.Ui().memoLicense->isReadOnly());
    const QString licence = form.Ui().memoLicense->toPlainText();
    EXPECT_TRUE(licence.contains("GNU General Public License"));
    EXPECT_TRUE(licence.contains("LICENSE"));
    EXPECT_EQ("Zamknij okno", form.Ui().btnClose->text().toStdString());
}

TEST(AboutFormTest, TheLicenceWrapsAndNeverScrollsAcross) {
    TAboutForm form;
    form.show();
    QCoreApplication::processEvents();
    platform::Memo& licence = *form.Ui().memoLicense;
    EXPECT_EQ(QPlainTextEdit::WidgetWidth, licence.lineWrapMode());
    EXPECT_FALSE(licence.horizontalScrollBar()->isVisible());
    EXPECT_EQ(0, licence.horizontalScrollBar()->maximum());

    // Narrower than its longest line, it wraps that line instead.
    licence.setFixedWidth(licence.width() / 2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(licence.horizontalScrollBar()->isVisible());
    EXPECT_EQ(0, licence.horizontalScrollBar()->maximum());
}

TEST(AboutFormTest, TheContactLineOpensAMailToTheProgramsAddress) {
    MailHandler mail;
    TAboutForm form;
    form.show();
    EXPECT_EQ("kontakt@quirvale.example", form.Ui().lblMail->text().toStdString());
    user_input::Click(*form.Ui().lblMail, form.Ui().lblMail->rect().center());
    ASSERT_EQ(1, mail.opened.size());
    EXPECT_EQ("mailto:kontakt@quirvale.example?subject=Quirvale 2",
              mail.opened.front().toString().toStdString());
}

TEST(AboutFormTest, TheContactLinkIsReachedWithTabAndFollowedWithTheKeyboardOrItsAction) {
    MailHandler mail;
    TAboutForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.Ui().memoLicense->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.Ui().memoLicense, Qt::Key_Tab);
    ASSERT_EQ(form.Ui().lblMail, QApplication::focusWidget());
    QTest::keyClick(form.Ui().lblMail, Qt::Key_Return);
    accessible_actions::Press(*form.Ui().lblMail);
    ASSERT_EQ(2, mail.opened.size());
    EXPECT_EQ(TAboutForm::MailLink(), mail.opened.back().toString());
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(form.Ui().lblMail);
    EXPECT_EQ(QAccessible::Link, link->role());
    EXPECT_EQ("kontakt@quirvale.example", link->text(QAccessible::Name).toStdString());
    EXPECT_TRUE(form.isVisible());
}

TEST(AboutFormTest, ControlsAreNamedForScreenReaders) {
    TAboutForm form;
    form.show();
    for (QWidget* control : {static_cast<QWidget*>(form.Ui().btnClose),
                             static_cast<QWidget*>(form.Ui().memoLicense)}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(nullptr, accessible);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    }
    // A speed button: clicking it never takes the focus from what is being typed.
    EXPECT_EQ(Qt::NoFocus, form.Ui().btnClose->focusPolicy());
}

TEST_F(MainWindowTest, AboutOpensCentredAndIsKeptBetweenShowings) {
    TMainForm& form = Open();
    form.show();
    QCoreApplication::processEvents();
    QWidget* first = nullptr;
    testing_support::ExpectModal<TAboutForm>(
        [&] { ui().mAbout->trigger(); },
        [&](TAboutForm& about) {
            first = &about;
            const QRect owner = form.frameGeometry();
            const QRect shown = about.frameGeometry();
            // Centred within the few pixels of a window frame the platform adds on showing.
            EXPECT_LE(std::abs(owner.center().x() - shown.center().x()), 3);
            EXPECT_LE(std::abs(owner.center().y() - shown.center().y()), 3);
            about.Ui().btnClose->click();
        });
    testing_support::ExpectModal<TAboutForm>([&] { ui().mAbout->trigger(); },
                                             [&](TAboutForm& about) {
                                                 EXPECT_EQ(first, &about);
                                                 about.Ui().btnClose->click();
                                             });
    EXPECT_FALSE(form.IsModified());
}

#include "AboutFormTest.moc"
