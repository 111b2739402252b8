#pragma once
// A label that opens something on a single click and shows a pointing hand.

#include <QLabel>

namespace look {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace look
