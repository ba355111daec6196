#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
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

// Presses the left button at `from`, moves to `to` holding it and lets go there.
void Drag(QWidget& target, QPoint from, QPoint to) {
    user_input::Press(target, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(target.mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    user_input::Release(target, to);
}

void PressCopy(QWidget& target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "\x03");
    QApplication::sendEvent(&target, &press);
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
        EXPECT_EQ(question, label->text());
        box.grab();  // painted, as the user sees it
        EXPECT_LE(box.frameGeometry().width(), box.screen()->availableGeometry().width());
        const auto* layout = label->findChild<QTextDocument*>();
        ASSERT_NE(layout, nullptr);
        EXPECT_LE(layout->size().width(), label->contentsRect().width());
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
        Press(box, "Nie");
    });
    QtMessageBoxService service;
    EXPECT_EQ(service.Show({question.toStdString(), "Quirvale 2", mb::YesNo | mb::IconQuestion}),
              answer::No);
}

// A screen reader reads, and a copy gives, the message as written, a long path included.
TEST(QtMessageBoxService, AMessageIsReadAndCopiedAsWritten) {
    const QString message = "Terminarz w pliku jest uszkodzony. Wczytano tylko jego część:\n/tmp/" +
                            QString(280, 'k') + "/klasa.ocn";
    WhenOpen<QMessageBox>([&message](QMessageBox& box) {
        auto* label = box.findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        for (QObject* part : {static_cast<QObject*>(&box), static_cast<QObject*>(label)}) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(part);
            ASSERT_NE(read, nullptr);
            for (const QAccessible::Text kind : {QAccessible::Name, QAccessible::Description,
                                                 QAccessible::Value, QAccessible::Help}) {
                EXPECT_FALSE(read->text(kind).contains(QChar(0x200B)))
                    << part->metaObject()->className() << " text " << kind;
            }
        }
        EXPECT_EQ(message, QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Value));
        EXPECT_EQ(message, QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));

        QClipboard& clipboard = *QGuiApplication::clipboard();
        clipboard.clear();
        PressCopy(box);  // the box's own copy, where the platform has one
        EXPECT_FALSE(clipboard.text().contains(QChar(0x200B)));
        if (label->textInteractionFlags() & Qt::TextSelectableByMouse) {
            const QRect text = label->contentsRect();
            Drag(*label, text.topLeft() + QPoint(1, 1), text.bottomRight());
            PressCopy(*label);
            EXPECT_EQ(message, clipboard.text());
        }
        Press(box, "OK");
    });
    QtMessageBoxService service;
    EXPECT_EQ(service.Show({message.toStdString(), "Quirvale 2", mb::Ok | mb::IconWarning}),
              answer::Ok);
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
