#include "screens/MessageTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

namespace screens {

namespace {

// The document would make a lone CR a line break of its own, so it is kept as a character
// Unicode reserves for a program's inner use, one the text document itself never uses.
constexpr QChar LoneCarriageReturn(0xFDEF);

QString ToDocument(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), LoneCarriageReturn);
    return text;
}

} // namespace

MessageTextBox::MessageTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

QString MessageTextBox::Text() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(LoneCarriageReturn, QLatin1Char('\r'));
    return text;
}

void MessageTextBox::SetText(const QString& text) {
    setPlainText(ToDocument(text));
}

void MessageTextBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        insertPlainText(ToDocument(source->text()));
    else
        QPlainTextEdit::insertFromMimeData(source);
}

void MessageTextBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
        insertPlainText(QStringLiteral("\n"));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace screens
