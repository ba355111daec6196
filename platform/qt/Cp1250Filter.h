#pragma once

#include <QString>
#include <QValidator>
#include <functional>

namespace platform {

// Whether code page 1250 holds the character.
bool FitsCp1250(char32_t character);

// The text with every character that code page 1250 cannot hold left out: what a field keeps
// is then what the document file stores, never a "?" in its place.
QString KeepCp1250(const QString& text);

// Where `after` differs from `before`: the lengths of the start and of the end they share, the
// end never overlapping the start.
struct TextDifference {
    qsizetype start = 0;
    qsizetype end = 0;
};
TextDifference DifferenceOf(const QString& before, const QString& after);

// The input filter of the one-line text fields that end up in the document: typed or pasted
// characters outside the code page are dropped, the rest stays where it was put. Each line
// break a change puts in (CR LF, LF or a lone CR) becomes one space, as the field shows it, so
// the field stores one line; the breaks of the text already there stay. A change that would
// make the text longer than kLongestText keeps only what fits of what it put in; the text
// already there is never cut. A text for which the owner's `programSets` is true is the
// program's own and is taken whole.
class Cp1250Filter : public QValidator {
  public:
    Cp1250Filter(std::function<bool(const QString& text)> programSets, QObject* parent)
        : QValidator(parent), programSets_(std::move(programSets)) {}
    State validate(QString& input, int& pos) const override;

  private:
    std::function<bool(const QString& text)> programSets_;
    // The text last let through, what the next change is measured against.
    mutable QString held_;
};

}  // namespace platform
