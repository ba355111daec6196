#pragma once

#include <QListWidget>

#include "platform/Controls.h"

namespace platform {

// A single-selection list box whose item index is its selected item: a row Qt only makes
// current (as it does with the first row when the list takes the focus) is not chosen, and
// counts as no item until Space or the first arrow key selects it; a press below the items
// changes nothing. The program's ClearItems, AddItem and SetItemIndex emit nothing; every
// other change that selects an item emits `click()` once (the keyboard, the accessibility
// interface), and so does a click on an item, whether or not it changes the selection. Every
// mouse press emits `mouseDown()` once the selection has followed it, before that click.
class ListBox : public QListWidget, public ListControl {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);

    void ClearItems() override;
    void AddItem(const std::string& text) override;
    int ItemCount() const override { return count(); }
    int ItemIndex() const override;
    // Selects the item and makes it current; an index outside the list selects none.
    void SetItemIndex(int index) override;

  signals:
    void click();
    void mouseDown();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SelectionChanged();

    // Set while the program or a mouse press changes the selection: the one emits nothing,
    // the other's click follows the release.
    bool quiet_ = false;
};

}  // namespace platform
