#pragma once

#include <QString>
#include <QValidator>

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

// The input filter of the text fields that end up in the document: typed or pasted
// characters outside the code page are dropped, the rest stays where it was put. A change that
// would make the text longer than kLongestText keeps only what fits of what it put in; the
// text already there is never cut. While the owner's `programSets` is true a change is the
// program's own and is taken whole.
class Cp1250Filter : public QValidator {
  public:
    Cp1250Filter(const bool& programSets, QObject* parent)
        : QValidator(parent), programSets_(programSets) {}
    State validate(QString& input, int& pos) const override;

  private:
    const bool& programSets_;
    // The text last let through, what the next change is measured against.
    mutable QString held_;
};

}  // namespace platform
