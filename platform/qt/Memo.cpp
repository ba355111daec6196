#include "platform/qt/Memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "platform/Cp1250.h"
#include "platform/qt/Cp1250Filter.h"

namespace platform {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::string_view kCr = "\r";

// The length of the character at `index` in UTF-16 code units, and whether the code page
// holds it; a lone surrogate is a character the code page lacks.
std::pair<int, bool> CharacterAt(const QString& text, int index) {
    const QChar unit = text[index];
    if (unit.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
        return {2, FitsCp1250(QChar::surrogateToUcs4(unit, text[index + 1]))};
    // Paragraph and line separators are the text edit's own line breaks.
    if (unit == QChar::ParagraphSeparator || unit == QChar::LineSeparator) return {1, true};
    return {1, !unit.isSurrogate() && FitsCp1250(unit.unicode())};
}

// The bytes a text the user put in takes in the document: each of its line breaks is CR LF.
int StoredBytes(const QString& added) {
    return static_cast<int>(added.size() + added.count(QChar::ParagraphSeparator) +
                            added.count(QChar::LineSeparator));
}

constexpr int kLongest = static_cast<int>(kLongestText);

}  // namespace

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent), breaks_(*document()) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this, &Memo::ContentsChange);
    connect(document(), &QTextDocument::undoAvailable, this, [this](bool available) {
        if (!available && document()->availableUndoSteps() == 0) breaks_.Forget();
    });
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::TextChanged);
}

// A typed character the code page lacks, or one past the longest text, is refused whole, so
// it does not replace a selection. With Ctrl (and no Alt, as AltGr has it) a key is a command,
// whatever text it carries, and types nothing.
void Memo::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool command =
        modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    const QString typed = command ? QString() : event->text();
    const bool isBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int typedBytes =
        isBreak ? 2 : (!typed.isEmpty() && typed[0].isPrint() ? StoredBytes(typed) : 0);
    const int selected = StoredBytesOf(textCursor());
    const bool tooLong = typedBytes > selected && storedLength_ - selected + typedBytes > kLongest;
    if (KeepCp1250(typed) != typed || tooLong) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// The text edit would take a pasted text's lone CR for no break at all.
void Memo::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    insertPlainText(text);
}

// The ranges of the notices up to the next textChanged are joined; a notice that changed no
// character (a format change) is no change.
void Memo::ContentsChange(int position, int, int added) {
    lastChange_ = breaks_.Follow(position, added);
    const auto [at, removed, put, undone] = lastChange_;
    if (programmatic_ || (removed == 0 && put == 0)) return;
    changeUndone_ = changeUndone_ || undone;
    if (changeFrom_ < 0) {
        changeFrom_ = at;
        changeTo_ = at + put;
    } else {
        // A later notice before the same textChanged moves or swallows the earlier range.
        if (changeTo_ >= at + removed) {
            changeTo_ += put - removed;
        } else if (changeTo_ > at) {
            changeTo_ = at;
        }
        changeFrom_ = std::min(changeFrom_, at);
        changeTo_ = std::max(changeTo_, at + put);
    }
    changeRemoved_ = changeRemoved_ || removed > 0;
}

// What an undo brings back the memo held before, so it is not filtered again.
void Memo::TextChanged() {
    const int from = changeFrom_;
    const int to = changeTo_;
    const bool removed = changeRemoved_;
    const bool undone = changeUndone_;
    const int before = storedLength_;
    changeFrom_ = changeTo_ = -1;
    changeRemoved_ = changeUndone_ = false;
    storedLength_ = StoredLength();
    if (programmatic_ || from < 0) return;
    const bool keptSome = undone || KeepWhatTheDocumentHolds(from, to, before);
    // A change that brought only what was dropped and took nothing changed nothing.
    if (keptSome || removed) emit changed();
}

// The bytes the text takes in the document, each line break as it is stored.
int Memo::StoredLength() const {
    int length = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        length += static_cast<int>(line.size() + line.count(QChar::LineSeparator));
    }
    return length + breaks_.Bytes(0, breaks_.Count());
}

// The bytes the range takes in the document, each line break as it is stored.
int Memo::StoredBytesOf(const QTextCursor& range) const {
    const QString text = range.selectedText();  // a paragraph break is one character here
    const int first = document()->findBlock(range.selectionStart()).blockNumber();
    const int last = document()->findBlock(range.selectionEnd()).blockNumber();
    return static_cast<int>(text.size() - (last - first) + text.count(QChar::LineSeparator)) +
           breaks_.Bytes(first, last);
}

// Drops from the range [from, to) the characters the code page lacks, and from its end what
// makes the text longer than kLongestText (or than the `before` bytes the program set), and
// tells whether any character is left there. The user's change is undone and made again
// without them, so that the undo history holds only what the memo kept: neither undo nor redo
// brings them back. A change outside the undo history (the text edit's own setter) is mended
// outside it too.
bool Memo::KeepWhatTheDocumentHolds(int from, int to, int before) {
    QTextDocument& text = *document();
    const QString changed = text.toRawText();  // a paragraph break is one character here too
    const int size = static_cast<int>(changed.size());
    from = std::min(from, size);
    to = std::clamp(to, from, size);
    const QString added = changed.mid(from, to - from);
    QString kept;
    for (int index = 0; index < added.size();) {
        const auto [length, fits] = CharacterAt(added, index);
        if (fits) kept += added.mid(index, length);
        index += length;
    }
    const int most = std::max(kLongest, before);
    int stored = storedLength_ - StoredBytes(added) + StoredBytes(kept);
    for (; stored > most && !kept.isEmpty(); kept.chop(1)) stored -= StoredBytes(kept.right(1));
    if (kept.size() == added.size()) return !added.isEmpty();
    const QScopedValueRollback quiet(programmatic_, true);
    const bool inHistory = text.isUndoRedoEnabled() && text.isUndoAvailable();
    const bool outsideHistory = text.isUndoRedoEnabled() && !inHistory;
    // The undo gave the text `now` for `changed`'s [position, position + removed); what it
    // took back may reach beyond the user's change, when the history had joined that change
    // to the typing before it.
    StoredBreaks::Change undone{from, 0, 0, false};
    if (inHistory) {
        text.undo();
        undone = lastChange_;
    }
    if (outsideHistory) text.setUndoRedoEnabled(false);
    const int start = std::min(undone.position, from);
    const int stop = std::max(undone.position + undone.removed, to);
    const int shrunk = undone.removed - undone.added;
    const QString now = text.toRawText().mid(start, stop - shrunk - start);
    const QString wanted = changed.mid(start, from - start) + kept + changed.mid(to, stop - to);
    const auto [same, sameAtEnd] = DifferenceOf(now, wanted);
    QTextCursor again(&text);
    again.setPosition(static_cast<int>(start + same));
    again.setPosition(static_cast<int>(stop - shrunk - sameAtEnd), QTextCursor::KeepAnchor);
    again.insertText(wanted.mid(same, wanted.size() - sameAtEnd - same));
    // The undone change must not come back by a redo, also where nothing took its place.
    if (inHistory) text.clearUndoRedoStacks(QTextDocument::RedoStack);
    if (outsideHistory) text.setUndoRedoEnabled(true);
    return !kept.isEmpty();
}

void Memo::SetText(const std::string& text) {
    const QScopedValueRollback quiet(programmatic_, true);
    std::vector<std::string_view> breaks;
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c == '\r' && index + 1 < text.size() && text[index + 1] == '\n') {
            breaks.push_back(kCrLf);
            ++index;
        } else if (c == '\r' || c == '\n') {
            breaks.push_back(c == '\r' ? kCr : kLf);
        } else {
            lines += c;
            continue;
        }
        lines += '\n';
    }
    setPlainText(QString::fromStdString(lines));
    breaks_.Reset(std::move(breaks));
    storedLength_ = StoredLength();
}

// The document's raw text with every line break as LF: unlike toPlainText() it keeps
// non-breaking spaces, which belong to the user's text.
QString Memo::PlainText() const {
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QChar('\n'));
    raw.replace(QChar::LineSeparator, QChar('\n'));
    return raw;
}

// A line break inside a paragraph (Shift+Enter) is the user's, so CR LF.
std::string Memo::Text() const {
    std::string text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) text += breaks_.At(block.blockNumber() - 1);
        text += block.text().replace(QChar::LineSeparator, QStringLiteral("\r\n")).toStdString();
    }
    return text;
}

std::vector<std::string> Memo::Lines() const {
    const QString plain = PlainText();
    std::vector<std::string> lines;
    if (plain.isEmpty()) return lines;
    for (const QString& line : plain.split(QChar('\n'))) lines.push_back(line.toStdString());
    if (plain.endsWith(QChar('\n'))) lines.pop_back();
    return lines;
}

void Memo::ClearLines() {
    const QScopedValueRollback quiet(programmatic_, true);
    clear();
}

bool Memo::AppendLine(const std::string& line) {
    const QString added = QString::fromStdString(line);
    const int breakBefore = document()->isEmpty() ? 0 : 2;
    if (storedLength_ + breakBefore + StoredBytes(added) + added.count(QChar('\n')) > kLongest)
        return false;
    const QScopedValueRollback quiet(programmatic_, true);
    appendPlainText(added);
    return true;
}

}  // namespace platform
