#include "QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace platform {

namespace {

// A lone CR means a line break in the texts the program shows, but a Qt label would
// run the two lines together.
QString WithPlatformLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QWidget* MessageOwner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

MessageAnswer QtPlatform::ShowMessage(const QString& text, MessageIcon icon, MessageButtons buttons,
                                      const QString& caption) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    caption, WithPlatformLineBreaks(text), QMessageBox::NoButton, MessageOwner());
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

void QtPlatform::OpenUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

bool QtPlatform::OwnsClipboard() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard->ownsClipboard() ||
           (clipboard->supportsSelection() && clipboard->ownsSelection());
}

void QtPlatform::EmptyClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

void QtPlatform::SeedRandom() {
    random_.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::Random() {
    return random_.generateDouble();
}

QDate QtPlatform::Today() const {
    return QDate::currentDate();
}

} // namespace platform
