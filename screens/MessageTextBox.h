#pragma once
// The referral's message box: a multi-line box whose text comes back exactly as typed or
// pasted, with CR LF between its lines. A plain QPlainTextEdit does not: its plain text
// turns a no-break space into a space, and a lone CR or a line separator into a line feed;
// and Shift+Enter there inserts a line separator, not a line break.

#include <QPlainTextEdit>

namespace screens {

class MessageTextBox : public QPlainTextEdit {
public:
    explicit MessageTextBox(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace screens
