#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace platform {

// A multi-line edit whose text has Windows line breaks: Text() joins the lines with CR LF and
// adds none after the last; SetText() takes CR LF, LF or a lone CR as a line break. `changed()`
// follows the user's edits only, never the program's. Tab moves the focus on, as in a dialog;
// characters code page 1250 cannot hold are refused, typed or pasted.
class Memo : public QPlainTextEdit, public TextControl {
    Q_OBJECT
  public:
    explicit Memo(QWidget* parent = nullptr);

    void SetText(const std::string& text) override;
    std::string Text() const override;

    // The lines as a list of lines sees them: none for an empty memo, and a final line break
    // does not start another line.
    std::vector<std::string> Lines() const;
    void ClearLines();
    // Appends a line after the last one, wherever the caret stands.
    void AppendLine(const std::string& line);

  signals:
    void changed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void TextChanged();
    QString PlainText() const;

    bool programmatic_ = false;
};

}  // namespace platform
