#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/qt/QtServices.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Runs `act` on the modal dialog once it is open; `act` must close it.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

void Press(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) return button->click();
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

TEST(QtNameFilters, ShowsEachPatternOnce) {
    EXPECT_EQ(QtNameFilters("Plik programu Quirvale 2  (*.ocn)|*.ocn"),
              "Plik programu Quirvale 2  (*.ocn)");
    EXPECT_EQ(QtNameFilters("Dokument HTML|*.htm"), "Dokument HTML (*.htm)");
    EXPECT_EQ(QtNameFilters("Strony|*.htm;*.html|Wszystkie (*.*)|*.*"),
              "Strony (*.htm *.html);;Wszystkie (*.*)");
}

TEST(WithDefaultExtension, OnlyForAFileNameWithoutOne) {
    EXPECT_EQ(WithDefaultExtension("/home/ala/plan", ".htm"), "/home/ala/plan.htm");
    EXPECT_EQ(WithDefaultExtension("/home/ala/plan.txt", ".htm"), "/home/ala/plan.txt");
    EXPECT_EQ(WithDefaultExtension("/home/ala.kot/oceny", ".ocn"), "/home/ala.kot/oceny.ocn");
    EXPECT_EQ(WithDefaultExtension("/home/ala/.oceny", ".ocn"), "/home/ala/.oceny.ocn");
}

TEST(QtMessageBoxService, SaveQuestionHasPolishButtonsAndNoOwner) {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    WhenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_EQ(box.windowTitle(), "Quirvale");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons().size(), 3);
        Press(box, "Nie");
    });
    QtMessageBoxService service;
    EXPECT_EQ(service.Show({"Czy zachować zmiany?", "Quirvale", mb::YesNoCancel, false}),
              answer::No);
    QApplication::setActiveWindow(&window);  // taken back from the closed box
    WhenOpen<QMessageBox>([&window](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), &window);
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        Press(box, "OK");
    });
    EXPECT_EQ(service.Show({"Nie wybrałeś oceny.", "Quirvale 2", mb::IconStop}), answer::Ok);
}

TEST(QtMessageBoxService, EscapeAndTheCloseBoxGiveTheLastButton) {
    QtMessageBoxService service;
    WhenOpen<QMessageBox>([](QMessageBox& box) { user_input::KeyPress(box, Qt::Key_Escape); });
    EXPECT_EQ(service.Show({"?", "Quirvale", mb::YesNoCancel}), answer::Cancel);
    WhenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        box.close();
    });
    EXPECT_EQ(service.Show({"?", "Kasowanie wpisów", mb::YesNo | mb::IconWarning}), answer::No);
    WhenOpen<QMessageBox>([](QMessageBox& box) { user_input::KeyPress(box, Qt::Key_Return); });
    EXPECT_EQ(service.Show({"?", "Quirvale 2", mb::YesNo | mb::IconQuestion}), answer::Yes);
}

TEST(QtMessageBoxService, AWordLongerThanTheBoxWrapsAndIsShownWhole) {
    const QString question = "Czy napewno chcesz usunąć przedmiot Wychowanie" + QString(290, 'W') +
                             " ?\nKrótkie słowa zostają całe.";
    WhenOpen<QMessageBox>([&question](QMessageBox& box) {
        const auto* label = box.findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_LE(box.frameGeometry().width(), box.screen()->availableGeometry().width());
        EXPECT_LE(label->minimumSizeHint().width(), label->width());
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
        QString shown = label->text();
        EXPECT_TRUE(shown.contains("Krótkie słowa zostają całe."));
        EXPECT_EQ(question, shown.remove(QChar(0x200B)));
        Press(box, "Nie");
    });
    QtMessageBoxService service;
    EXPECT_EQ(service.Show({question.toStdString(), "Quirvale 2", mb::YesNo | mb::IconQuestion}),
              answer::No);
}

TEST(QtFileDialogService, SaveStartsInTheLastFolderAndAddsTheExtension) {
    QTemporaryDir folder;
    FileDialog dialog(FileDialogKind::Save, "Dokument HTML|*.htm", ".htm");
    dialog.SetFileName(folder.filePath("stary.htm").toStdString());
    WhenOpen<QFileDialog>([&folder](QFileDialog& box) {
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

TEST(QtFileDialogService, OpenWantsAnExistingFile) {
    FileDialog dialog(FileDialogKind::Open, "Plik programu Quirvale 2  (*.ocn)|*.ocn", ".ocn");
    WhenOpen<QFileDialog>([](QFileDialog& box) {
        EXPECT_EQ(box.fileMode(), QFileDialog::ExistingFile);
        box.reject();
    });
    EXPECT_FALSE(QtFileDialogService().Run(dialog).has_value());
}

TEST(QtColorDialogService, OpensOnTheGivenColour) {
    WhenOpen<QColorDialog>([](QColorDialog& box) {
        EXPECT_EQ(box.currentColor(), QColor(0, 0x80, 0xFF));
        box.setCurrentColor(QColor(0x10, 0x20, 0x30));
        box.accept();
    });
    EXPECT_EQ(QtColorDialogService().Pick(0xFF8000), std::optional<TColor>(0x302010));
}

}  // namespace
}  // namespace platform
