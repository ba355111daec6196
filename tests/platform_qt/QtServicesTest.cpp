#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "UserInput.h"
#include "platform/qt/QtServices.h"

namespace platform {
namespace {

// Runs `inspect` on the modal dialog once it is open; the dialog must be closed by it.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&)> inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inspect(*dialog);
    });
}

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) texts << button->text();
    texts.sort();
    return texts;
}

QAbstractButton* ButtonWithText(const QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

TEST(QtNameFilters, KeepsADescriptionThatShowsItsPattern) {
    EXPECT_EQ(QtNameFilters("Plik programu Quirvale 2  (*.ocn)|*.ocn"),
              "Plik programu Quirvale 2  (*.ocn)");
}

TEST(QtNameFilters, AddsThePatternToAPlainDescription) {
    EXPECT_EQ(QtNameFilters("Dokument HTML|*.htm"), "Dokument HTML (*.htm)");
    EXPECT_EQ(QtNameFilters("Dokument tekstowy|*.txt"), "Dokument tekstowy (*.txt)");
}

TEST(QtNameFilters, JoinsSeveralFiltersAndTheirPatterns) {
    EXPECT_EQ(QtNameFilters("Strony|*.htm;*.html|Wszystkie (*.*)|*.*"),
              "Strony (*.htm *.html);;Wszystkie (*.*)");
}

TEST(WithDefaultExtension, AppendsItOnlyToANameWithoutExtension) {
    EXPECT_EQ(WithDefaultExtension("/home/ala/plan", ".htm"), "/home/ala/plan.htm");
    EXPECT_EQ(WithDefaultExtension("/home/ala/plan.html", ".htm"), "/home/ala/plan.html");
    EXPECT_EQ(WithDefaultExtension("/home/ala/plan.txt", ".htm"), "/home/ala/plan.txt");
    EXPECT_EQ(WithDefaultExtension("oceny", ".ocn"), "oceny.ocn");
}

TEST(WithDefaultExtension, LooksAtTheFileNameOnly) {
    EXPECT_EQ(WithDefaultExtension("/home/ala.kot/oceny", ".ocn"), "/home/ala.kot/oceny.ocn");
    EXPECT_EQ(WithDefaultExtension("/home/ala/.oceny", ".ocn"), "/home/ala/.oceny.ocn");
}

TEST(QtMessageBoxService, YesNoCancelWithoutIconOrOwner) {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    WhenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_EQ(box.windowTitle(), "Quirvale");
        EXPECT_EQ(box.text(), QString::fromUtf8("Czy zachować zmiany?"));
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(ButtonTexts(box), QStringList({"Anuluj", "Nie", "Tak"}));
        ButtonWithText(box, "Nie")->click();
    });
    QtMessageBoxService service;
    EXPECT_EQ(service.Show({"Czy zachować zmiany?", "Quirvale", mb::YesNoCancel, false}),
              answer::No);
}

TEST(QtMessageBoxService, AnswersByButtonEscapeCloseBoxOrEnter) {
    QtMessageBoxService service;
    WhenOpen<QMessageBox>([](QMessageBox& box) { ButtonWithText(box, "Tak")->click(); });
    EXPECT_EQ(service.Show({"?", "Quirvale 2", mb::YesNo | mb::IconQuestion}), answer::Yes);
    WhenOpen<QMessageBox>([](QMessageBox& box) { user_input::KeyPress(box, Qt::Key_Escape); });
    EXPECT_EQ(service.Show({"?", "Quirvale", mb::YesNoCancel}), answer::Cancel);
    WhenOpen<QMessageBox>([](QMessageBox& box) { user_input::KeyPress(box, Qt::Key_Escape); });
    EXPECT_EQ(service.Show({"?", "Kasowanie", mb::YesNo | mb::IconWarning}), answer::No);
    WhenOpen<QMessageBox>([](QMessageBox& box) { box.close(); });
    EXPECT_EQ(service.Show({"?", "Kasowanie", mb::YesNo | mb::IconWarning}), answer::No);
    WhenOpen<QMessageBox>([](QMessageBox& box) { user_input::KeyPress(box, Qt::Key_Return); });
    EXPECT_EQ(service.Show({"?", "Quirvale 2", mb::YesNo}), answer::Yes);
}

TEST(QtMessageBoxService, OwnedErrorBoxOverTheActiveWindow) {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    WhenOpen<QMessageBox>([&window](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), &window);
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(ButtonTexts(box), QStringList({"OK"}));
        box.buttons().constFirst()->click();
    });
    QtMessageBoxService service;
    EXPECT_EQ(service.Show({"Nie wybrałeś oceny.", "Quirvale 2", mb::IconStop}), answer::Ok);
}

TEST(QtMessageBoxService, IconsFollowTheFlags) {
    QtMessageBoxService service;
    WhenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        box.reject();
    });
    service.Show({"?", "Quirvale 2", mb::YesNo | mb::IconQuestion});
    WhenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        box.reject();
    });
    service.Show({"?", "Kasowanie wpisów", mb::YesNo | mb::IconWarning});
}

TEST(QtFileDialogService, SaveStartsInTheLastFolderAndAddsTheExtension) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FileDialog dialog(FileDialogKind::Save, "Dokument HTML|*.htm", ".htm");
    dialog.SetFileName(folder.filePath("stary.htm").toStdString());
    WhenOpen<QFileDialog>([&folder](QFileDialog& box) {
        EXPECT_EQ(box.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(QDir(box.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(box.nameFilters(), QStringList({"Dokument HTML (*.htm)"}));
        EXPECT_TRUE(box.testOption(QFileDialog::DontConfirmOverwrite));
        box.selectFile(folder.filePath("raport"));
        static_cast<QDialog&>(box).accept();  // QFileDialog hides its accept()
    });
    const auto chosen = QtFileDialogService().Run(dialog);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(QString::fromStdString(*chosen).endsWith("/raport.htm"));
}

TEST(QtFileDialogService, OpenWantsAnExistingFileAndCancelGivesNothing) {
    FileDialog dialog(FileDialogKind::Open, "Plik programu Quirvale 2  (*.ocn)|*.ocn", ".ocn");
    WhenOpen<QFileDialog>([](QFileDialog& box) {
        EXPECT_EQ(box.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(box.fileMode(), QFileDialog::ExistingFile);
        // QFileDialog shows filters with their blanks simplified.
        EXPECT_EQ(box.nameFilters(), QStringList({"Plik programu Quirvale 2 (*.ocn)"}));
        box.reject();
    });
    EXPECT_FALSE(QtFileDialogService().Run(dialog).has_value());
}

TEST(QtColorDialogService, OpensOnTheGivenColourAndReturnsTheChosenOne) {
    QtColorDialogService service;
    WhenOpen<QColorDialog>([](QColorDialog& box) {
        EXPECT_EQ(box.currentColor(), QColor(0, 0x80, 0xFF));
        box.setCurrentColor(QColor(0x10, 0x20, 0x30));
        box.accept();
    });
    EXPECT_EQ(service.Pick(0xFF8000), std::optional<TColor>(0x302010));
    WhenOpen<QColorDialog>([](QColorDialog& box) { box.reject(); });
    EXPECT_EQ(service.Pick(0), std::nullopt);
}

TEST(InstallQtServices, RoutesTheDialogsToQt) {
    InstallQtServices();
    WhenOpen<QMessageBox>([](QMessageBox& box) { ButtonWithText(box, "Tak")->click(); });
    EXPECT_EQ(MessageBox("?", "Quirvale 2", mb::YesNo), answer::Yes);

    ColorDialog colors;
    WhenOpen<QColorDialog>([](QColorDialog& box) {
        box.setCurrentColor(QColor(0, 0, 0x80));
        box.accept();
    });
    ASSERT_TRUE(colors.Execute());
    EXPECT_EQ(colors.Color(), 0x800000u);
    // The platform's colour dialog reopens on the colour last confirmed.
    WhenOpen<QColorDialog>([](QColorDialog& box) {
        EXPECT_EQ(box.currentColor(), QColor(0, 0, 0x80));
        box.reject();
    });
    EXPECT_FALSE(colors.Execute());
}

}  // namespace
}  // namespace platform
