#pragma once
// The result screen: one reading, read-only, built afresh for every Next. Back returns to
// the main screen; the reading may not leave through the clipboard, the primary selection
// or a drag.

#include "screens/ScreenParts.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace engine {
struct Reading;
}
namespace platform {
class Platform;
}

namespace screens {

class frmKarmicDebtNo : public QWidget {
    Q_OBJECT

public:
    explicit frmKarmicDebtNo(platform::Platform& platform, QWidget* parent = nullptr);

    // Inserts the reading (CR LF line breaks) paragraph by paragraph and shows its start.
    void ShowReading(const engine::Reading& reading);

public slots:
    void cmdback_Click();

signals:
    void backRequested();
    // The window's close box.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void txtDisplay_ClipboardGuard();
    void txtDisplay_ForgetSelection();

    platform::Platform& platform_;
    QPlainTextEdit* txtDisplay_ = nullptr;
    QPushButton* cmdback_ = nullptr;
};

} // namespace screens
