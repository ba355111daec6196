#pragma once

#include <QString>
#include <string_view>
#include <vector>

class QTextDocument;

namespace platform {

// The line breaks of a text document as they are stored: CR LF, LF or a lone CR for each
// paragraph break, followed through every change of the document. Where a change really
// altered the text is found by comparing the text before and after it within the range the
// document reports, which may reach further (a format change, or an input method's text,
// reports whole paragraphs). A break the change put in is CR LF, the user's; a break it took
// is remembered with the step of the document's undo history, so that undoing the step gives
// it back as it was. Breaks outside a change never change.
class StoredBreaks {
  public:
    // Where a change altered the text: `removed` characters at `position` gave way to `added`.
    struct Change {
        int position = 0;
        int removed = 0;
        int added = 0;
        bool undone = false;  // an undo, which brought back what the document held before
    };

    explicit StoredBreaks(const QTextDocument& document);

    // The document's text was set whole: these are its breaks, when the document has as many.
    void Reset(std::vector<std::string_view> kinds);
    // Follows the change of the document that, as its contentsChange tells, starts at
    // `position` and puts in `added` characters.
    Change Follow(int position, int added);
    // The document's undo history is empty: nothing taken can come back.
    void Forget();

    int Count() const { return static_cast<int>(kinds_.size()); }
    std::string_view At(int index) const { return kinds_[static_cast<std::size_t>(index)]; }
    // The bytes the breaks from `first` up to `last` take in the document file.
    int Bytes(int first, int last) const;

  private:
    // One change in the history: at break `first` it took the breaks `taken` and put `put`
    // breaks in; `state` is the document's count of undo steps after it.
    struct Step {
        int state;
        int first;
        std::vector<std::string_view> taken;
        int put;
    };

    Change Compare(int position, int added, const QString& now) const;
    void Undo(int state);

    const QTextDocument& document_;
    // The document's raw text as of the last change, a paragraph break one character.
    QString text_;
    std::vector<std::string_view> kinds_;
    std::vector<Step> history_;
    // The document's count of undo steps as of the last change.
    int state_ = 0;
};

}  // namespace platform
