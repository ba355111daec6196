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

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this, &Memo::ContentsChange);
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::TextChanged);
}

// A typed character the code page lacks, or one past the longest text, is refused whole, so
// it does not replace a selection.
void Memo::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool isBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int typedBytes =
        isBreak ? 2 : (!typed.isEmpty() && typed[0].isPrint() ? StoredBytes(typed) : 0);
    const int selected = StoredBytes(textCursor().selectedText());
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

void Memo::ContentsChange(int position, int removed, int added) {
    FollowLineBreaks(position, added);
    if (programmatic_) return;
    if (changeFrom_ < 0) {
        changeFrom_ = position;
        changeTo_ = position + added;
    } else {
        // A later notice before the same textChanged moves or swallows the earlier range.
        if (changeTo_ >= position + removed) {
            changeTo_ += added - removed;
        } else if (changeTo_ > position) {
            changeTo_ = position;
        }
        changeFrom_ = std::min(changeFrom_, position);
        changeTo_ = std::max(changeTo_, position + added);
    }
    changeRemoved_ = changeRemoved_ || removed > 0;
}

// The document tells where a change starts and how long the new text is; the paragraph breaks
// it took away are the difference of the paragraph counts and the breaks it put in. The text
// edit may count the document's closing paragraph end into a change, so the range is cut to it.
void Memo::FollowLineBreaks(int position, int added) {
    const QTextDocument& text = *document();
    const int end = text.characterCount() - 1;
    const int from = std::clamp(position, 0, end);
    const int to = std::clamp(position + added, from, end);
    const int known = static_cast<int>(breaks_.size());
    const int first = std::min(text.findBlock(from).blockNumber(), known);
    const int put = text.findBlock(to).blockNumber() - first;
    const int taken = std::clamp(known + 1 - text.blockCount() + put, 0, known - first);
    const auto at = breaks_.begin() + first;
    breaks_.insert(breaks_.erase(at, at + taken), static_cast<std::size_t>(put), kCrLf);
}

void Memo::TextChanged() {
    const int from = changeFrom_;
    const int to = changeTo_;
    const bool removed = changeRemoved_;
    const int before = storedLength_;
    changeFrom_ = changeTo_ = -1;
    changeRemoved_ = false;
    storedLength_ = StoredLength();
    if (programmatic_ || from < 0) return;
    const bool keptSome = KeepWhatTheDocumentHolds(from, to, before);
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
    for (const std::string_view lineBreak : breaks_) length += static_cast<int>(lineBreak.size());
    return length;
}

// Drops from the range [from, to) the characters the code page lacks, and from its end what
// makes the text longer than kLongestText (or than the `before` bytes the program set), and
// tells whether any character is left there. The user's change is undone and made again
// without them, so that the undo history holds only what the memo kept: undoing never brings
// them back.
bool Memo::KeepWhatTheDocumentHolds(int from, int to, int before) {
    QTextDocument& text = *document();
    QTextCursor range(&text);
    range.setPosition(std::min(from, text.characterCount() - 1));
    range.setPosition(std::min(to, text.characterCount() - 1), QTextCursor::KeepAnchor);
    const QString added = range.selectedText();  // a paragraph break is one character here too
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
    const QString changed = text.toRawText();
    const QString wanted =
        changed.left(range.selectionStart()) + kept + changed.mid(range.selectionEnd());
    const QScopedValueRollback quiet(programmatic_, true);
    if (text.isUndoRedoEnabled() && text.isUndoAvailable()) text.undo();
    ReplaceDifference(wanted);
    return !kept.isEmpty();
}

// Makes the document's text `wanted` in one edit of the part where the two differ.
void Memo::ReplaceDifference(const QString& wanted) {
    const QString now = document()->toRawText();
    const auto [start, end] = DifferenceOf(now, wanted);
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(now.size() - end), QTextCursor::KeepAnchor);
    cursor.insertText(wanted.mid(start, wanted.size() - end - start));
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
    // A paragraph separator of the text's own (no stored text has one) leaves the breaks the
    // text edit made.
    if (breaks.size() == breaks_.size()) breaks_ = std::move(breaks);
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
    auto nextBreak = breaks_.begin();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) text += *nextBreak++;
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
