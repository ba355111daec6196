#include "platform/qt/ComboBox.h"

#include <QChildEvent>
#include <QLineEdit>

#include "platform/qt/Cp1250Filter.h"

namespace platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ComboBox::changed);
    connect(this, &QComboBox::editTextChanged, this, &ComboBox::EditTextChanged);
}

// The layout makes a box editable after construction, and the box makes a new line edit each
// time; the filter goes on whichever line edit is polished for showing.
void ComboBox::childEvent(QChildEvent* event) {
    QComboBox::childEvent(event);
    QLineEdit* edit = lineEdit();
    if (event->polished() && edit != nullptr && event->child() == edit &&
        edit->validator() == nullptr)
        edit->setValidator(new Cp1250Filter(edit));
}

void ComboBox::ClearItems() {
    clear();
}

void ComboBox::AddItem(const std::string& text) {
    const int index = currentIndex();
    const QString editText = currentText();
    addItem(QString::fromStdString(text));
    // QComboBox selects the first item added to an empty box; the windows expect no selection.
    if (index < 0 && currentIndex() >= 0) {
        setCurrentIndex(-1);
        if (isEditable()) setEditText(editText);
    }
}

void ComboBox::SetItemIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void ComboBox::SetText(const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    if (isEditable()) {
        setEditText(qtext);
    } else {
        setCurrentIndex(findText(qtext, Qt::MatchExactly));
    }
}

// Only typing sets the line edit's modified flag; the box itself resets it with every text it
// puts there, so this tells the user's edits from the program's.
void ComboBox::EditTextChanged(const QString& text) {
    QLineEdit* edit = lineEdit();
    if (edit == nullptr || !edit->isModified()) return;
    if (currentIndex() >= 0) {
        const int cursor = edit->cursorPosition();
        setCurrentIndex(-1);  // empties the edit, so the typed text goes back in
        edit->setText(text);
        edit->setCursorPosition(cursor);
        edit->setModified(true);
    }
    emit changed();
}

}  // namespace platform
