#pragma once
// Scoped changes to what the whole test process shares: its environment and its output.

#include <QByteArray>
#include <QStringList>
#include <QTemporaryFile>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace testing {

// An environment variable set for a scope; then its old value, or its absence, is back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (old_.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, old_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray old_;
};

// Everything written to stdout and stderr, by the process or a child it starts, and every
// Qt log message, while it lives; Text() ends the capture early.
class CapturedOutput {
public:
    CapturedOutput() {
        if (!file_.open())
            qFatal("no file to capture the output in");
        fflush(stdout);
        fflush(stderr);
        dup2(file_.handle(), STDOUT_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
        messages().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { messages() << text; });
    }
    ~CapturedOutput() { Stop(); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    QByteArray Text() {
        Stop();
        // The writes moved the offset the file shares with the standard streams.
        file_.seek(0);
        return file_.readAll() + messages().join('\n').toUtf8();
    }

private:
    static QStringList& messages() {
        static QStringList logged;
        return logged;
    }
    void Stop() {
        if (savedOut_ < 0)
            return;
        fflush(stdout);
        fflush(stderr);
        dup2(savedOut_, STDOUT_FILENO);
        dup2(savedErr_, STDERR_FILENO);
        ::close(savedOut_);
        ::close(savedErr_);
        savedOut_ = savedErr_ = -1;
        qInstallMessageHandler(previous_);
    }

    QTemporaryFile file_;
    int savedOut_ = dup(STDOUT_FILENO);
    int savedErr_ = dup(STDERR_FILENO);
    QtMessageHandler previous_ = nullptr;
};

} // namespace testing
