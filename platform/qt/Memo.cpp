#include "platform/qt/Memo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextDocument>

#include "platform/qt/Cp1250Filter.h"

namespace platform {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::TextChanged);
}

void Memo::keyPressEvent(QKeyEvent* event) {
    if (KeepCp1250(event->text()) != event->text()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Memo::inputMethodEvent(QInputMethodEvent* event) {
    const QString kept = KeepCp1250(event->commitString());
    if (kept != event->commitString())
        event->setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

// Pasted text keeps its line breaks, whether CR LF, LF or CR, and loses what the code page
// cannot hold.
void Memo::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    QString text = KeepCp1250(source->text());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    insertPlainText(text);
}

void Memo::TextChanged() {
    if (!programmatic_) emit changed();
}

void Memo::SetText(const std::string& text) {
    const QScopedValueRollback quiet(programmatic_, true);
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QChar('\r'), QChar('\n'));
    setPlainText(plain);
}

// The document's raw text with every line break as LF: unlike toPlainText() it keeps
// non-breaking spaces, which belong to the user's text.
QString Memo::PlainText() const {
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QChar('\n'));
    raw.replace(QChar::LineSeparator, QChar('\n'));
    return raw;
}

std::string Memo::Text() const {
    return PlainText().replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
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

void Memo::AppendLine(const std::string& line) {
    const QScopedValueRollback quiet(programmatic_, true);
    appendPlainText(QString::fromStdString(line));
}

}  // namespace platform
