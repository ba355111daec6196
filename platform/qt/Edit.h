#pragma once

#include <QLineEdit>

#include "platform/Controls.h"
#include "platform/Types.h"

namespace platform {

// A one-line edit that holds any text, however long. `changed()` follows every change of the
// text but the program's own SetText: typing, pasting, the accessibility interface (as on-screen
// keyboards and voice control set it) and QLineEdit's own setters. `enter()` and `exit()` follow
// the focus moving between controls; a focus lost to another window or to a pop-up (the
// edit's own error box, say) and regained from it is not a move. `click()` is a left click.
// Characters code page 1250 cannot hold are refused, typed or pasted, and so is what would
// make the text longer than kLongestText (of a paste, what fits is kept); SetText is never cut.
// The edit stores one line: each line break the user brings in (pasting, dropping, an input
// method, the accessibility interface) becomes one space, while the breaks of a text the
// program set stay as they were.
// An edit chosen from a menu is read-only and shows what the window chose in a menu it opens
// on `dropDown()`: a click, Space, Enter, Alt+Down or F4, as a drop-down list opens. Its text
// changes only through SetText: text set through the accessibility interface is put back at
// once, as typing is refused, and emits no `changed()`.
class Edit : public QLineEdit, public TextControl {
    Q_OBJECT
    Q_PROPERTY(bool chosenFromMenu READ ChosenFromMenu WRITE SetChosenFromMenu)
  public:
    explicit Edit(QWidget* parent = nullptr);

    bool ChosenFromMenu() const { return chosenFromMenu_; }
    void SetChosenFromMenu(bool chosen);

    void SetText(const std::string& text) override;
    std::string Text() const override { return text().toStdString(); }

    // Background and text colours, for an edit shown as a sample of a category.
    void SetColor(TColor color);
    void SetFontColor(TColor color);

  signals:
    void changed();
    void enter();
    void exit();
    void click();
    void dropDown();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void TextChanged();

    bool programmatic_ = false;
    bool chosenFromMenu_ = false;
    // The text the program last set, what an edit chosen from a menu keeps.
    QString chosenText_;
};

}  // namespace platform
