#include "platform/QtPlatform.h"

#include "resources/Product.h"
#include "text/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

QWidget* MessageOwner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// A directory that only this user can write to, so no one else can hold or fake the claim.
bool IsPrivateDirectory(const QString& path) {
    const QFileInfo info(path);
    const auto othersMayWrite = QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isDir() && info.isWritable() && info.ownerId() == ::getuid() &&
           !(info.permissions() & othersMayWrite);
}

QString InstanceLockDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && IsPrivateDirectory(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache) && IsPrivateDirectory(cache))
        return cache;
    return {};
}

// The store is the platform's own per-user file under $XDG_CONFIG_HOME, named after the
// running executable, so a renamed copy keeps settings of its own.
std::unique_ptr<QSettings> OpenStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       product::SettingsFolder,
                                       QCoreApplication::applicationName());
}

} // namespace

QtPlatform::~QtPlatform() {
    if (instanceLock_ >= 0)
        ::close(instanceLock_);
}

// The claim is a kernel lock on an open file: it goes with the process, so a crashed or
// killed instance never leaves a stale claim, and two instances starting at once cannot
// both win.
bool QtPlatform::PreviousInstanceRunning() {
    if (instanceLock_ >= 0)
        return false;
    const QString directory = InstanceLockDirectory();
    if (directory.isEmpty())
        return false; // no safe place to look: never lock the user out
    const QString path =
        directory + QLatin1Char('/') + QCoreApplication::applicationName() + ".instance.lock";
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        instanceLock_ = fd;
        return false;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(fd);
    return heldByAnother;
}

void QtPlatform::EndProcess(int status) {
    // Before the event loop has started, exit() would be forgotten; the queued call ends
    // the loop as soon as it runs.
    QCoreApplication::exit(status);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
        Qt::QueuedConnection);
}

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, MessageIcon icon,
                                            MessageButtons buttons, const QString& caption,
                                            QWidget* owner) {
    auto box = std::make_unique<QMessageBox>(
        icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information, caption,
        text::WithQtLineBreaks(text), QMessageBox::NoButton, owner);
    if (buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

MessageAnswer QtPlatform::ShowMessage(const QString& text, MessageIcon icon, MessageButtons buttons,
                                      const QString& caption) {
    const auto box = MakeMessageBox(text, icon, buttons, caption, MessageOwner());
    switch (box->exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

namespace {

// Starts the opener without waiting for it, with none of its output reaching ours.
bool StartQuietly(const QString& program, const QStringList& arguments) {
    QProcess opener;
    opener.setProgram(program);
    opener.setArguments(arguments);
    opener.setStandardInputFile(QProcess::nullDevice());
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    return opener.startDetached();
}

// $BROWSER names one or more browsers, separated by ':', each maybe with "%s" for the URL.
bool StartUsersBrowser(const QString& url) {
    const QString browsers = qEnvironmentVariable("BROWSER");
    for (const QString& browser : browsers.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList command = QProcess::splitCommand(browser);
        if (command.isEmpty())
            continue;
        const bool takesUrl = browser.contains(QLatin1String("%s"));
        for (QString& part : command)
            part.replace(QLatin1String("%s"), url);
        if (!takesUrl)
            command << url;
        if (StartQuietly(command.takeFirst(), command))
            return true;
    }
    return false;
}

} // namespace

// The desktop's opener (xdg-open), or else the user's $BROWSER. Qt's own URL opening would
// print the whole URL when no browser starts, and the opener may print it too: a referral
// URL carries what the user typed, which belongs in no log.
void QtPlatform::OpenUrl(const QString& url) {
    if (!StartQuietly(QStringLiteral("xdg-open"), {url}))
        StartUsersBrowser(url);
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

QLocale QtPlatform::UserLocale() const {
    return QLocale::system();
}

std::optional<QString> QtPlatform::ReadStoredValue(const QString& section, const QString& key) {
    const auto store = OpenStore();
    if (store->status() == QSettings::AccessError)
        return std::nullopt;
    return store->value(section + QLatin1Char('/') + key, QString()).toString();
}

bool QtPlatform::WriteStoredValue(const QString& section, const QString& key,
                                  const QString& value) {
    const auto store = OpenStore();
    store->setValue(section + QLatin1Char('/') + key, value);
    store->sync();
    // A damaged line met while reading stays in the status after the write rewrote the file
    // whole, mended; only an access error means the value never reached the file.
    return store->status() != QSettings::AccessError;
}

} // namespace platform
