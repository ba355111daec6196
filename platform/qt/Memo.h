#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/qt/StoredBreaks.h"

namespace platform {

// A multi-line edit of a document's text. SetText() takes CR LF, LF or a lone CR as a line
// break, and Text() gives each break back as it was given: a text the user did not change
// comes back byte for byte, and an edit keeps every break outside what it changed; a break the
// user makes is CR LF, and undoing an edit gives back the breaks it took as they were. Nothing
// is added after the last line. `changed()` follows the user's edits only (undo and redo
// included), never the program's. Tab moves the focus on, as in a dialog.
// Characters code page 1250 cannot hold are dropped from every change the program does not
// make itself, however it comes: typing, input methods, pasting, dropping, and the
// accessibility interface (as on-screen keyboards and voice control set it); so is what would
// make the stored text longer than kLongestText bytes (of a paste, what fits is kept), a line
// break counted as the bytes it is stored as; a key that would do so changes nothing. What
// the program sets is never cut.
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
    // Appends a line after the last one, wherever the caret stands; false, with nothing
    // appended, when the text would then be longer than kLongestText.
    bool AppendLine(const std::string& line);

  signals:
    void changed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void ContentsChange(int position, int removed, int added);
    void TextChanged();
    bool KeepWhatTheDocumentHolds(int from, int to, int before);
    int StoredLength() const;
    int StoredBytesOf(const QTextCursor& range) const;
    QString PlainText() const;

    bool programmatic_ = false;
    // StoredLength() as of the last change.
    int storedLength_ = 0;
    // The break that ends each paragraph of the document but the last.
    StoredBreaks breaks_;
    // What the user's change put into the document, from the text edit's change notices up
    // to its textChanged; empty when `changeFrom_` is -1. An undo brings back what the memo
    // once held.
    int changeFrom_ = -1;
    int changeTo_ = -1;
    bool changeRemoved_ = false;
    bool changeUndone_ = false;
    // Where the document's last change altered its text.
    StoredBreaks::Change lastChange_;
};

}  // namespace platform
