#pragma once

#include <QComboBox>

#include "platform/Controls.h"

namespace platform {

// A combo box as the windows expect it: nothing the program does through these members emits
// `changed()`; a user's pick from the list does, and so does every other change of an editable
// box's text (typing, pasting, the accessibility interface), which leaves no item selected
// (ItemIndex -1) whatever the text. Adding items never selects one. An editable box completes
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

  signals:
    void changed();

  protected:
    void childEvent(QChildEvent* event) override;

  private:
    void EditTextChanged(const QString& text);
    // Whether the text is that of the selected item, which the box itself puts into the edit.
    bool IsSelectedItem(const QString& text) const;

    // Set while the program changes the items, the selection or the text.
    bool quiet_ = false;
};

}  // namespace platform
