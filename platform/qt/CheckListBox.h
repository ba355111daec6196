#pragma once

#include <QListWidget>
#include <string>

namespace platform {

// A list whose every item carries a check box, unchecked when added. Space, a click on the box
// and the accessibility interface's "Toggle" of an item tick or untick it; to assistive
// technology the items are checkable and say whether they are checked.
class CheckListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit CheckListBox(QWidget* parent = nullptr);

    void ClearItems() { clear(); }
    void AddItem(const std::string& text);
    int ItemCount() const { return count(); }
    // The text and state of item i; an empty text and false outside the list.
    std::string ItemText(int i) const;
    bool IsChecked(int i) const;
    // Ignored outside the list.
    void SetChecked(int i, bool checked);
};

}  // namespace platform
