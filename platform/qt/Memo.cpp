#include "platform/qt/Memo.h"

#include <QScopedValueRollback>

namespace platform {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::TextChanged);
}

void Memo::TextChanged() {
    if (!programmatic_) emit changed();
}

void Memo::SetText(const std::string& text) {
    const QScopedValueRollback quiet(programmatic_, true);
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
}

std::string Memo::Text() const {
    return toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}

std::vector<std::string> Memo::Lines() const {
    const QString plain = toPlainText();
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

void Memo::AppendLine(const std::string& line) {
    const QScopedValueRollback quiet(programmatic_, true);
    appendPlainText(QString::fromStdString(line));
}

}  // namespace platform
