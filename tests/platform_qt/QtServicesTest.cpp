#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
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
    dialog.RememberFolder();
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

TEST(QtFileDialogService, EachRunOffersTheNameChosenLast) {
    QTemporaryDir folder;
    QTemporaryDir failed;
    FileDialog dialog(FileDialogKind::Save, "Dokument HTML|*.htm", ".htm");
    WhenOpen<QFileDialog>([](QFileDialog& box) {
        EXPECT_EQ("", box.findChild<QLineEdit*>("fileNameEdit")->text().toStdString());
        box.reject();
    });
    EXPECT_FALSE(QtFileDialogService().Run(dialog).has_value());

    dialog.SetFileName(folder.filePath("raport klasy.htm").toStdString());
    dialog.RememberFolder();
    // Chosen last where the save failed: the name is offered again, in the folder that worked.
    dialog.SetFileName(failed.filePath("wrzesień.htm").toStdString());
    WhenOpen<QFileDialog>([&folder](QFileDialog& box) {
        EXPECT_EQ(QDir(box.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        const QString offered = box.findChild<QLineEdit*>("fileNameEdit")->text();
        EXPECT_EQ("wrzesień.htm", offered.toStdString());
        // Taken as offered; with no name offered there is nothing to take.
        if (offered.isEmpty())
            box.reject();
        else
            static_cast<QDialog&>(box).accept();
    });
    const auto chosen = QtFileDialogService().Run(dialog);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(folder.filePath("wrzesień.htm").toStdString(), *chosen);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A save dialog of the program's documents, opening in `folder`.
FileDialog DocumentSaveDialog(const QTemporaryDir& folder) {
    FileDialog dialog(FileDialogKind::Save, "Plik programu Quirvale 2  (*.ocn)|*.ocn", ".ocn",
                      ExistingFile::AskFirst);
    dialog.SetFileName(folder.filePath("stary.ocn").toStdString());
    dialog.RememberFolder();
    return dialog;
}

// Types `name` as the file name and presses the dialog's save button; the question it may
// ask is answered with `answer` and its text added to `asked`.
void SaveAs(QFileDialog& box, const QString& name, QMessageBox::StandardButton answer,
            QStringList& asked) {
    QTimer answering;  // stopped with this call, so it answers no later box
    answering.setSingleShot(true);
    QObject::connect(&answering, &QTimer::timeout, [&asked, answer] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        asked << question->text();
        question->button(answer)->click();
    });
    answering.start(0);
    auto* edit = box.findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = box.findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(buttons, nullptr);
    edit->setText(name);
    buttons->button(QDialogButtonBox::Save)->click();
}

TEST(QtFileDialogService, ADocumentSaveAsksBeforeReplacingAFileAndNoGoesBackToTheDialog) {
    QTemporaryDir folder;
    const QString existing = folder.filePath("plan.ocn");
    WriteFile(existing, "stary dokument");
    FileDialog dialog = DocumentSaveDialog(folder);
    QStringList asked;
    WhenOpen<QFileDialog>([&asked](QFileDialog& box) {
        EXPECT_FALSE(box.testOption(QFileDialog::DontConfirmOverwrite));
        // Typed whole, and without the extension the save adds.
        for (const QString& name : {QString("plan.ocn"), QString("plan")}) {
            SaveAs(box, name, QMessageBox::No, asked);
            EXPECT_TRUE(box.isVisible()) << name.toStdString();
        }
        box.reject();
    });
    EXPECT_FALSE(QtFileDialogService().Run(dialog).has_value());
    ASSERT_EQ(asked.size(), 2);
    for (const QString& question : asked) EXPECT_TRUE(question.contains("plan.ocn"));
    EXPECT_EQ(ReadFile(existing), "stary dokument");

    WhenOpen<QFileDialog>([&asked](QFileDialog& box) {
        SaveAs(box, "plan", QMessageBox::Yes, asked);
        EXPECT_FALSE(box.isVisible());
    });
    EXPECT_EQ(QtFileDialogService().Run(dialog), existing.toStdString());
    EXPECT_EQ(asked.size(), 3);
}

TEST(QtFileDialogService, TheReplaceQuestionIsQtsOwnInThePolishOfQt) {
    QTranslator polish;
    if (!polish.load(QLocale(QLocale::Polish, QLocale::Poland), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        GTEST_SKIP() << "Qt's Polish translations are not installed";
    QCoreApplication::installTranslator(&polish);
    QTemporaryDir folder;
    WriteFile(folder.filePath("plan.ocn"), "stary dokument");
    FileDialog dialog = DocumentSaveDialog(folder);
    QStringList asked;
    QStringList buttons;
    WhenOpen<QFileDialog>([&](QFileDialog& box) {
        for (const QString& name : {QString("plan.ocn"), QString("plan")}) {
            QTimer reading;
            reading.setSingleShot(true);
            QObject::connect(&reading, &QTimer::timeout, [&buttons] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(question, nullptr);
                for (QAbstractButton* button : question->buttons())
                    buttons << button->text().remove('&');
            });
            reading.start(0);
            SaveAs(box, name, QMessageBox::No, asked);
        }
        box.reject();
    });
    EXPECT_FALSE(QtFileDialogService().Run(dialog).has_value());
    QCoreApplication::removeTranslator(&polish);
    const QString expected = "plan.ocn już istnieje.\nCzy chcesz go zastąpić?";
    EXPECT_EQ(asked.join("|").toStdString(), (expected + "|" + expected).toStdString());
    buttons.sort();
    EXPECT_EQ(buttons.join(" ").toStdString(), "Nie Nie Tak Tak");
}

TEST(QtFileDialogService, ADocumentSaveAsksNothingForANewName) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("plan"), "a file of that very name, not the document's");
    FileDialog dialog = DocumentSaveDialog(folder);
    WhenOpen<QFileDialog>([](QFileDialog& box) {
        box.findChild<QLineEdit*>("fileNameEdit")->setText("plan");
        box.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
        EXPECT_FALSE(box.isVisible());
    });
    EXPECT_EQ(QtFileDialogService().Run(dialog), folder.filePath("plan.ocn").toStdString());
}

// The names of the files in a folder that were opened since the watch began.
class OpenedFiles {
  public:
    explicit OpenedFiles(const QString& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        watching_ = fd_ >= 0 && ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                                                    IN_OPEN | IN_ACCESS) >= 0;
    }
    ~OpenedFiles() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;
    bool Watching() const { return watching_; }

    QStringList Names() {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                // The folder's own listing comes without a name.
                if (event->len > 0 && !names.contains(event->name)) names << event->name;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

  private:
    int fd_;
    bool watching_ = false;
};

TEST(QtFileDialogService, ChoosesIconsAndTypesWithoutReadingAnyFile) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath("kolejka");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A picture by its content, not by its name.
    WriteFile(folder.filePath("obrazek"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    WriteFile(folder.filePath("plan.ocn"), "DF03");
    OpenedFiles opened(folder.path());
    ASSERT_TRUE(opened.Watching());
    FileDialog dialog = DocumentSaveDialog(folder);
    WhenOpen<QFileDialog>([&](QFileDialog& box) {
        auto* model = box.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex picture = model->index(folder.filePath("obrazek"));
        // The types come from a thread of the model's; one held up in a read never gives them.
        QDeadlineTimer deadline(10000);
        while (model->type(picture).isEmpty() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_FALSE(model->type(picture).isEmpty()) << "the folder's files were never typed";
        EXPECT_FALSE(model->fileIcon(picture).isNull());
        EXPECT_EQ(opened.Names().join(" ").toStdString(), "") << "files opened";
        // Lets a read held up on the FIFO end, so that the dialog can close.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        box.reject();
    });
    EXPECT_FALSE(QtFileDialogService().Run(dialog).has_value());
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
