#include "platform/qt/Cp1250Filter.h"

#include <algorithm>

#include "platform/Cp1250.h"

namespace platform {

TextDifference DifferenceOf(const QString& before, const QString& after) {
    const qsizetype common = std::min(before.size(), after.size());
    TextDifference difference;
    qsizetype& start = difference.start;
    while (start < common && before[start] == after[start]) ++start;
    qsizetype& end = difference.end;
    while (end < common - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return difference;
}

namespace {

// Cuts the end of what a change of `held` into `input` put in, as far as the text is longer
// than kLongestText (or than `held`, which the program may have set longer), and puts the
// caret after what is kept. The part put in lies between what the change left alone at
// either end.
void KeepWhatFits(const QString& held, QString& input, int& pos) {
    const qsizetype most = std::max(static_cast<qsizetype>(kLongestText), held.size());
    if (input.size() <= most) return;
    const qsizetype end = DifferenceOf(held, input).end;
    // What was put in is at least as long as the text grew, so the cut stays inside it.
    const qsizetype excess = input.size() - most;
    input.remove(input.size() - end - excess, excess);
    pos = static_cast<int>(input.size() - end);
}

// Makes each line break in what a change of `held` into `input` put in one space, and keeps
// the caret where it stood in the text.
void MakeOneLine(const QString& held, QString& input, int& pos) {
    const auto [start, end] = DifferenceOf(held, input);
    const qsizetype stop = input.size() - end;
    QString line;
    int joined = 0;  // the CR LF pairs made one space before the caret
    for (qsizetype index = start; index < stop; ++index) {
        const QChar c = input[index];
        if (c != u'\r' && c != u'\n') {
            line += c;
            continue;
        }
        if (c == u'\r' && index + 1 < stop && input[index + 1] == u'\n') {
            ++index;
            if (pos > index) ++joined;
        }
        line += u' ';
    }
    if (line == QStringView(input).sliced(start, stop - start)) return;
    input.replace(start, stop - start, line);
    pos -= joined;
}

}  // namespace

bool FitsCp1250(char32_t character) {
    if (character < 0x80) return true;
    // The conversion writes "?" for what the code page lacks.
    return Utf8ToCp1250(QString::fromUcs4(&character, 1).toStdString()) != "?";
}

QString KeepCp1250(const QString& text) {
    bool fits = true;
    for (const QChar c : text) fits = fits && c.unicode() < 0x80;
    if (fits) return text;
    QString kept;
    kept.reserve(text.size());
    for (const char32_t character : text.toUcs4())
        if (FitsCp1250(character)) kept += QString::fromUcs4(&character, 1);
    return kept;
}

QValidator::State Cp1250Filter::validate(QString& input, int& pos) const {
    const QString before = KeepCp1250(input.left(pos));
    const QString after = KeepCp1250(input.mid(pos));
    if (before.size() + after.size() != input.size()) {
        input = before + after;
        pos = static_cast<int>(before.size());
    }
    if (!programSets_(input)) {
        MakeOneLine(held_, input, pos);
        KeepWhatFits(held_, input, pos);
    }
    held_ = input;
    return Acceptable;
}

}  // namespace platform
