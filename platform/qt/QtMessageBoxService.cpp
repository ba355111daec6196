#include "platform/qt/QtMessageBoxService.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
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

// The box keeps its text as written, so that a screen reader and a copy give the message
// itself; only the layout breaks a word wider than the box (a document's name for something, a
// path) after any of its letters. Qt's own box turns such breaking on while it sizes itself and
// loses it when its label next lays the text out, which cuts the word at the box's edge.
class LongWordsBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        BreakLongWords();
    }
    void resizeEvent(QResizeEvent* event) override {
        QMessageBox::resizeEvent(event);  // the label has its new width by now
        BreakLongWords();
    }
    bool event(QEvent* event) override {
        // The base box would size itself anew, setting the label's wrapping back.
        if (event->type() != QEvent::LayoutRequest || !isVisible())
            return QMessageBox::event(event);
        const bool handled = QDialog::event(event);
        BreakLongWords();
        return handled;
    }

  private:
    void BreakLongWords() {
        auto* label = findChild<QLabel*>("qt_msgbox_label");
        if (label == nullptr) return;
        // Laying the text out now spends the wrapping the label has pending, which would
        // otherwise replace the one set here at the next paint.
        label->heightForWidth(label->width());
        auto* layout = label->findChild<QTextDocument*>();
        if (layout == nullptr) return;  // drawn plainly: every word fitted
        QTextOption option = layout->defaultTextOption();
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setDefaultTextOption(option);
        // On a small screen the base box takes the screen's width, and its frame passes it.
        const QRect screenArea = screen()->availableGeometry();
        const int over = frameGeometry().width() - screenArea.width();
        if (over > 0) setFixedWidth(width() - over);
        // The box was sized for breaking anywhere; whole short words may take a line more.
        const int missing = label->heightForWidth(label->width()) - label->height();
        const int room = screenArea.height() - frameGeometry().height();
        if (missing > 0 && room > 0) setFixedHeight(height() + std::min(missing, room));
    }
};

}  // namespace

int QtMessageBoxService::Show(const MessageRequest& request) {
    LongWordsBox box(request.owned ? QApplication::activeWindow() : nullptr);
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
