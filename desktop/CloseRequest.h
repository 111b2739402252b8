#pragma once
// A window's close box that only asks: the window stays, and whoever decides when it goes
// hears of the request.

#include <QObject>

#include <functional>

class QWidget;

namespace desktop {

class CloseRequest : public QObject {
public:
    CloseRequest(QWidget* window, std::function<void()> ask);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> ask_;
};

} // namespace desktop
