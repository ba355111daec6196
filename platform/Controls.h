#pragma once

#include <string>

namespace platform {

// The faces of the widgets that the model fills directly (a subject's marks into an edit,
// the subject names into a combo box). Qt widgets implement them; tests use plain fakes.

class TextControl {
  public:
    virtual ~TextControl() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
};

// A list box, or the list part of a combo box. Setting the item index from the program
// runs no change handler; -1 means no item is selected.
class ListControl {
  public:
    virtual ~ListControl() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual int ItemCount() const = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};

// A combo box whose text the user can also type into.
class ComboControl : public ListControl, public TextControl {};

}  // namespace platform
