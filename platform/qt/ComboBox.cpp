#include "platform/qt/ComboBox.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <limits>

#include "platform/qt/Cp1250Filter.h"

namespace platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ComboBox::Activated);
    connect(this, &QComboBox::editTextChanged, this, &ComboBox::EditTextChanged);
    const QItemSelectionModel* list = view()->selectionModel();
    connect(list, &QItemSelectionModel::currentChanged, this, [this] { ++listCurrentMoves_; });
    connect(list, &QItemSelectionModel::selectionChanged, this, &ComboBox::ListSelectionChanged);
}

void ComboBox::Activated() {
    emit changed();
    if (!moving_) emit chosen();
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) emit chosen();
    const QScopedValueRollback moving(moving_, true);
    QComboBox::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    const QScopedValueRollback moving(moving_, true);
    QComboBox::wheelEvent(event);
}

void ComboBox::showPopup() {
    const QScopedValueRollback opening(opening_, true);
    QComboBox::showPopup();
}

// The keys and the mouse move the opened list's current item with its selection, the current
// item last; the accessibility interface selects an item and leaves the current one. Which of
// them made a change shows once it is over.
void ComboBox::ListSelectionChanged() {
    if (opening_ || !view()->isVisible()) return;
    QMetaObject::invokeMethod(
        this, [this, moves = listCurrentMoves_] { ChooseSelectedInList(moves); },
        Qt::QueuedConnection);
}

// Picks the selected item of the opened list as a click on it does.
void ComboBox::ChooseSelectedInList(int currentMoves) {
    if (currentMoves != listCurrentMoves_ || !view()->isVisible()) return;
    const QModelIndexList selected = view()->selectionModel()->selectedIndexes();
    if (selected.size() != 1) return;
    const int row = selected.first().row();
    hidePopup();
    setCurrentIndex(row);
    emit activated(row);
}

// The layout makes a box editable after construction, and the box makes a new line edit each
// time; whichever line edit is polished for showing gets the filter, loses the completer Qt
// gives it (which would turn a typed text into an item's) and the 32767-character limit.
void ComboBox::childEvent(QChildEvent* event) {
    QComboBox::childEvent(event);
    QLineEdit* edit = lineEdit();
    if (event->polished() && edit != nullptr && event->child() == edit &&
        edit->validator() == nullptr) {
        edit->setValidator(new Cp1250Filter(
            [this](const QString& text) { return quiet_ || IsSelectedItem(text); }, edit));
        edit->setCompleter(nullptr);
        edit->setMaxLength(std::numeric_limits<int>::max());
    }
}

void ComboBox::ClearItems() {
    const QScopedValueRollback quiet(quiet_, true);
    clear();
}

void ComboBox::AddItem(const std::string& text) {
    const QScopedValueRollback quiet(quiet_, true);
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
    const QScopedValueRollback quiet(quiet_, true);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void ComboBox::SetText(const std::string& text) {
    const QScopedValueRollback quiet(quiet_, true);
    const QString qtext = QString::fromStdString(text);
    if (isEditable()) {
        setEditText(qtext);
    } else {
        setCurrentIndex(findText(qtext, Qt::MatchExactly));
    }
}

bool ComboBox::IsSelectedItem(const QString& text) const {
    return currentIndex() >= 0 && text == itemText(currentIndex());
}

// The box puts an item's text into the edit when the item is selected, by the program (quiet)
// or by the user's pick (which emits through `activated`); any other text is the user's.
void ComboBox::EditTextChanged(const QString& text) {
    QLineEdit* edit = lineEdit();
    if (quiet_ || edit == nullptr) return;
    if (currentIndex() >= 0) {
        if (IsSelectedItem(text)) return;
        const QScopedValueRollback quiet(quiet_, true);
        const int cursor = edit->cursorPosition();
        setCurrentIndex(-1);  // empties the edit, so the typed text goes back in
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
    emit changed();
}

}  // namespace platform
