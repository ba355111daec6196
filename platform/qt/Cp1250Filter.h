#pragma once

#include <QString>
#include <QValidator>

namespace platform {

// Whether code page 1250 holds the character.
bool FitsCp1250(char32_t character);

// The text with every character that code page 1250 cannot hold left out: what a field keeps
// is then what the document file stores, never a "?" in its place.
QString KeepCp1250(const QString& text);

// The input filter of the text fields that end up in the document: typed or pasted
// characters outside the code page are dropped, the rest stays where it was put.
class Cp1250Filter : public QValidator {
  public:
    explicit Cp1250Filter(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};

}  // namespace platform
