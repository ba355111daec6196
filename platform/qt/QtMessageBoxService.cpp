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

}  // namespace

int QtMessageBoxService::Show(const MessageRequest& request) {
    QMessageBox box(request.owned ? QApplication::activeWindow() : nullptr);
    box.setWindowTitle(QString::fromStdString(request.caption));
    box.setText(QString::fromStdString(request.text));
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
