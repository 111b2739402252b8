// Every control a user can reach or click has a name a screen reader can announce, and
// every button takes the keys a keyboard user presses it with.

#include "engine/KarmicDebt.h"
#include "look/LinkLabel.h"
#include "support/FakePlatform.h"
#include "ui/frmAbout.h"
#include "ui/frmKarmicDebtNo.h"
#include "ui/frmMain.h"
#include "web/frmNagScreen2.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using ScreenFactory = std::function<std::unique_ptr<QWidget>(platform::Platform&)>;

// Names of focusable controls and link labels that a screen reader would find nameless.
QStringList Nameless(QAccessibleInterface* node) {
    QStringList missing;
    if (!node)
        return missing;
    auto* widget = qobject_cast<QWidget*>(node->object());
    const bool reachable = widget && (widget->focusPolicy() & Qt::TabFocus);
    const bool link = qobject_cast<look::LinkLabel*>(node->object()) != nullptr;
    if ((reachable || link) && node->text(QAccessible::Name).trimmed().isEmpty())
        missing << widget->objectName() + "(" + widget->metaObject()->className() + ")";
    for (int i = 0; i < node->childCount(); ++i)
        missing << Nameless(node->child(i));
    return missing;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName_data() {
        QTest::addColumn<ScreenFactory>("make");
        QTest::newRow("frmMain") << ScreenFactory([](platform::Platform& p) {
            auto screen = std::make_unique<ui::frmMain>(p);
            screen->Form_Load();
            return std::unique_ptr<QWidget>(std::move(screen));
        });
        QTest::newRow("frmKarmicDebtNo") << ScreenFactory([](platform::Platform& p) {
            return std::unique_ptr<QWidget>(std::make_unique<ui::frmKarmicDebtNo>(p));
        });
        QTest::newRow("frmAbout") << ScreenFactory([](platform::Platform& p) {
            return std::unique_ptr<QWidget>(std::make_unique<ui::frmAbout>(p));
        });
        QTest::newRow("frmNagScreen2") << ScreenFactory([](platform::Platform& p) {
            auto screen = std::make_unique<web::frmNagScreen2>(p);
            screen->Form_Load();
            return std::unique_ptr<QWidget>(std::move(screen));
        });
    }

    void everyControlHasAName() {
        QFETCH(ScreenFactory, make);
        testing::FakePlatform fake;
        const auto screen = make(fake);
        screen->show();
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(screen.get());
        QVERIFY(root);
        QVERIFY(root->childCount() > 0);
        const QStringList missing = Nameless(root);
        QVERIFY2(missing.isEmpty(), qPrintable("nameless: " + missing.join(", ")));
    }

    void enterAndSpacePressTheFocusedButton_data() { everyControlHasAName_data(); }
    void enterAndSpacePressTheFocusedButton() {
        QFETCH(ScreenFactory, make);
        testing::FakePlatform fake;
        const auto screen = make(fake);
        screen->show();
        for (auto* button : screen->findChildren<QPushButton*>()) {
            if (!button->isVisibleTo(screen.get()))
                continue;
            QSignalSpy clicks(button, &QPushButton::clicked);
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
                QTest::keyClick(button, key);
            QVERIFY2(clicks.count() == 3, qPrintable(button->objectName()));
        }
    }

    void readingBoxAnnouncesTheReading() {
        testing::FakePlatform fake;
        ui::frmKarmicDebtNo screen(fake);
        screen.ShowReading(QString::fromStdU16String(engine::ComposeReading(14)));
        auto* display = screen.findChild<QPlainTextEdit*>("txtDisplay");
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(display);
        QVERIFY(box->text(QAccessible::Description).startsWith("Karmic Debt Number: 14"));
        QVERIFY(box->textInterface());
        QVERIFY(box->textInterface()->text(0, 22).startsWith("Karmic Debt Number: 14"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"
