#pragma once

#include <QLineEdit>

#include "platform/Controls.h"
#include "platform/Types.h"

namespace platform {

// A one-line edit. `changed()` follows the user's edits only. `enter()` and `exit()` follow
// the focus moving between controls; a focus lost to another window or to a pop-up (the
// edit's own error box, say) and regained from it is not a move. `click()` is a left click.
// Characters code page 1250 cannot hold are refused, typed or pasted.
class Edit : public QLineEdit, public TextControl {
    Q_OBJECT
  public:
    explicit Edit(QWidget* parent = nullptr);

    void SetText(const std::string& text) override { setText(QString::fromStdString(text)); }
    std::string Text() const override { return text().toStdString(); }

    // Background and text colours, for an edit shown as a sample of a category.
    void SetColor(TColor color);
    void SetFontColor(TColor color);

  signals:
    void changed();
    void enter();
    void exit();
    void click();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform
