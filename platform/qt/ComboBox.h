#pragma once

#include <QComboBox>

#include "platform/Controls.h"

namespace platform {

// A combo box as the windows expect it: nothing the program does through these members emits
// `changed()`; a user's pick from the list does, and so does every other change of an editable
// box's text (typing, pasting, the accessibility interface), which leaves no item selected
// (ItemIndex -1) whatever the text. Adding items never selects one. `chosen()` tells the user's
// choice of what the box shows, for a box whose choice is a command: Enter in the box, or a
// pick in its opened list by the mouse, the keys or the accessibility interface (which picks
// by selecting an item of the list); moving through the items of the closed box with the
// arrow keys or the wheel changes it but chooses nothing. An editable box completes
// nothing, holds any text the program sets however long, refuses characters code page 1250
// cannot hold and what would make the text longer than kLongestText, and makes each line break
// the user brings in one space; the program's texts and items keep theirs.
class ComboBox : public QComboBox, public ComboControl {
    Q_OBJECT
  public:
    explicit ComboBox(QWidget* parent = nullptr);

    void ClearItems() override;
    void AddItem(const std::string& text) override;
    int ItemCount() const override { return count(); }
    int ItemIndex() const override { return currentIndex(); }
    void SetItemIndex(int index) override;

    // The edit text of an editable box; a non-editable box selects the item with this text.
    std::string Text() const override { return currentText().toStdString(); }
    void SetText(const std::string& text) override;

    void showPopup() override;

  signals:
    void changed();
    void chosen();

  protected:
    void childEvent(QChildEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void Activated();
    void EditTextChanged(const QString& text);
    void ListSelectionChanged();
    void ChooseSelectedInList(int currentMoves);
    // Whether the text is that of the selected item, which the box itself puts into the edit.
    bool IsSelectedItem(const QString& text) const;

    // Set while the program changes the items, the selection or the text.
    bool quiet_ = false;
    // Set while a key or the wheel works on the closed box.
    bool moving_ = false;
    // Set while the list opens on the box's item.
    bool opening_ = false;
    // Counts the moves of the opened list's current item, which the keys and the mouse make.
    int listCurrentMoves_ = 0;
};

}  // namespace platform
