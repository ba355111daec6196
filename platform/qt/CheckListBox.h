#pragma once

#include <QListWidget>
#include <string>

namespace platform {

// A list whose every item carries a check box, unchecked when added.
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
