#include "platform/qt/QtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>
#include <vector>

namespace platform {
namespace {

QMessageBox::Icon IconFor(unsigned flags) {
    switch (flags & mb::IconMask) {
        case mb::IconStop:
            return QMessageBox::Critical;
        case mb::IconQuestion:
            return QMessageBox::Question;
        case mb::IconWarning:
            return QMessageBox::Warning;
        default:
            return QMessageBox::NoIcon;
    }
}

struct ButtonChoice {
    const char* text;
    QMessageBox::ButtonRole role;
    int answer;
};

std::vector<ButtonChoice> ButtonsFor(unsigned flags) {
    const ButtonChoice yes{"Tak", QMessageBox::YesRole, answer::Yes};
    const ButtonChoice no{"Nie", QMessageBox::NoRole, answer::No};
    switch (flags & mb::ButtonsMask) {
        case mb::YesNoCancel:
            return {yes, no, {"Anuluj", QMessageBox::RejectRole, answer::Cancel}};
        case mb::YesNo:
            return {yes, no};
        default:
            return {{"OK", QMessageBox::AcceptRole, answer::Ok}};
    }
}

// The box wraps its text at word boundaries only and cuts a word wider than itself; a long word
// (a document's name for something, a path) may break after any of its letters instead, at
// marks nobody sees.
QString BreakableLongWords(const QString& text) {
    constexpr qsizetype kLongWord = 20;
    const QChar breakMark(0x200B);  // zero width space
    QString result;
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text[i].isSpace()) continue;
        const QStringView word = QStringView(text).mid(wordStart, i - wordStart);
        for (qsizetype k = 0; k < word.size(); ++k) {
            const bool within = k > 0 && !word[k].isLowSurrogate() && !word[k].isMark();
            if (word.size() > kLongWord && within) result += breakMark;
            result += word[k];
        }
        if (i < text.size()) result += text[i];
        wordStart = i + 1;
    }
    return result;
}

}  // namespace

int QtMessageBoxService::Show(const MessageRequest& request) {
    QMessageBox box(request.owned ? QApplication::activeWindow() : nullptr);
    box.setWindowTitle(QString::fromStdString(request.caption));
    box.setText(BreakableLongWords(QString::fromStdString(request.text)));
    box.setIcon(IconFor(request.flags));

    const std::vector<ButtonChoice> choices = ButtonsFor(request.flags);
    std::map<QAbstractButton*, int> answers;
    for (const ButtonChoice& choice : choices) {
        QPushButton* button = box.addButton(QString::fromUtf8(choice.text), choice.role);
        answers[button] = choice.answer;
        if (answers.size() == 1) box.setDefaultButton(button);
        // Escape and the close box stand for the last button: Cancel, No or OK.
        box.setEscapeButton(button);
    }
    box.exec();
    const auto found = answers.find(box.clickedButton());
    return found != answers.end() ? found->second : choices.back().answer;
}

}  // namespace platform
