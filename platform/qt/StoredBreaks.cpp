#include "platform/qt/StoredBreaks.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "platform/qt/Cp1250Filter.h"

namespace platform {
namespace {

constexpr std::string_view kCrLf = "\r\n";

int Breaks(QStringView text) {
    return static_cast<int>(text.count(QChar::ParagraphSeparator));
}

}  // namespace

StoredBreaks::StoredBreaks(const QTextDocument& document) : document_(document) {}

void StoredBreaks::Reset(std::vector<std::string_view> kinds) {
    // A paragraph separator of the text's own (no stored text has one) leaves the breaks the
    // text edit made.
    if (kinds.size() == kinds_.size()) kinds_ = std::move(kinds);
}

// The document counts its undo steps; an undo is the one change that lowers the count. While
// the history is switched off (the text edit's own setters) it is emptied.
StoredBreaks::Change StoredBreaks::Follow(int position, int added) {
    QString now = document_.toRawText();
    Change change = Compare(position, added, now);
    const bool history = document_.isUndoRedoEnabled();
    if (!history) Forget();
    const int state = history ? document_.availableUndoSteps() : 0;
    if (state < state_) {
        Undo(state);
        change.undone = true;
    } else {
        // The text before the change is the same in both, so is the count of its breaks.
        state_ = state;
        const int first = std::min(document_.findBlock(change.position).blockNumber(), Count());
        const int taken = std::min(
            Breaks(QStringView(text_).sliced(change.position, change.removed)), Count() - first);
        const int put = Breaks(QStringView(now).sliced(change.position, change.added));
        const auto at = kinds_.begin() + first;
        if (history && (taken > 0 || put > 0))
            history_.push_back({state_, first, std::vector(at, at + taken), put});
        kinds_.insert(kinds_.erase(at, at + taken), static_cast<std::size_t>(put), kCrLf);
    }
    text_ = std::move(now);
    // Whatever happened, there is one break between every two paragraphs.
    kinds_.resize(static_cast<std::size_t>(document_.blockCount() - 1), kCrLf);
    return change;
}

// Within the reported range, where the text before and after differ. The range may count the
// document's closing paragraph end, which the raw text has not; it is cut to what adds up.
StoredBreaks::Change StoredBreaks::Compare(int position, int added, const QString& now) const {
    const int before = static_cast<int>(text_.size());
    const int after = static_cast<int>(now.size());
    const int at = std::clamp(position, 0, std::min(before, after));
    const int put = std::clamp(added, std::max(0, after - before), after - at);
    const int taken = put + before - after;
    const auto [same, sameAtEnd] = DifferenceOf(text_.mid(at, taken), now.mid(at, put));
    const auto common = static_cast<int>(same + sameAtEnd);
    return {at + static_cast<int>(same), taken - common, put - common, false};
}

void StoredBreaks::Forget() {
    history_.clear();
    state_ = 0;
}

int StoredBreaks::Bytes(int first, int last) const {
    int bytes = 0;
    for (int index = first; index < last; ++index) bytes += static_cast<int>(At(index).size());
    return bytes;
}

// Takes back, newest first, every remembered change above the state the document went back to.
void StoredBreaks::Undo(int state) {
    while (!history_.empty() && history_.back().state > state) {
        const Step& step = history_.back();
        const auto at = kinds_.begin() + std::min(step.first, Count());
        const auto putEnd = at + std::min<std::ptrdiff_t>(step.put, kinds_.end() - at);
        kinds_.insert(kinds_.erase(at, putEnd), step.taken.begin(), step.taken.end());
        history_.pop_back();
    }
    state_ = state;
}

}  // namespace platform
