#include "platform/qt/Cp1250Filter.h"

#include "platform/Cp1250.h"

namespace platform {

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
    return Acceptable;
}

}  // namespace platform
