#pragma once

#include <QListWidget>

#include "platform/Controls.h"

namespace platform {

// A single-selection list box. The program's SetItemIndex emits nothing; the user's click on an
// item, or a move of the selection by the keyboard, emits `click()`; every mouse press emits
// `mouseDown()` once the selection has followed it.
class ListBox : public QListWidget, public ListControl {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);

    void ClearItems() override { clear(); }
    void AddItem(const std::string& text) override;
    int ItemCount() const override { return count(); }
    int ItemIndex() const override { return currentRow(); }
    void SetItemIndex(int index) override;

  signals:
    void click();
    void mouseDown();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform
