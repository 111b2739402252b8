#pragma once
// The platform services as Qt and the desktop provide them.

#include "platform/Platform.h"

#include <QRandomGenerator>

#include <memory>

class QMessageBox;
class QWidget;

namespace platform {

// The message box as ShowMessage presents it, not yet shown.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, MessageIcon icon,
                                            MessageButtons buttons, const QString& caption,
                                            QWidget* owner = nullptr);

class QtPlatform : public Platform {
public:
    MessageAnswer ShowMessage(const QString& text, MessageIcon icon, MessageButtons buttons,
                              const QString& caption) override;
    void OpenUrl(const QString& url) override;
    bool OwnsClipboard() const override;
    void EmptyClipboard() override;
    void SeedRandom() override;
    double Random() override;
    QDate Today() const override;
    QLocale UserLocale() const override;
    std::optional<QString> ReadStoredValue(const QString& section, const QString& key) override;
    bool WriteStoredValue(const QString& section, const QString& key,
                          const QString& value) override;
    bool PreviousInstanceRunning() override;
    void EndProcess(int status) override;

    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

private:
    QRandomGenerator random_;
    int instanceLock_ = -1;
};

} // namespace platform
