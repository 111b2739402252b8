// Every control a user can reach or click has a name a screen reader can announce, and
// every button takes the keys a keyboard user presses it with.

#include "engine/KarmicDebt.h"
#include "look/LinkLabel.h"
#include "screens/frmAbout.h"
#include "screens/frmKarmicDebtNo.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"
#include "support/FakePlatform.h"
#include "support/ScreenTesting.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using ScreenFactory = std::function<std::unique_ptr<QWidget>(platform::Platform&)>;

// What a screen reader says a control is: its name, or where that is only the entry a list
// shows (as Qt 6.4 names lists), its description.
QString Heard(QAccessibleInterface* node) {
    const QString name = node->text(QAccessible::Name).trimmed();
    const bool namedAfterEntry =
        node->role() == QAccessible::ComboBox && name == node->text(QAccessible::Value).trimmed();
    return namedAfterEntry ? node->text(QAccessible::Description).trimmed() : name;
}

// Names of focusable controls and link labels that a screen reader would find nameless.
QStringList Nameless(QAccessibleInterface* node) {
    QStringList missing;
    if (!node)
        return missing;
    auto* widget = qobject_cast<QWidget*>(node->object());
    const bool reachable = widget && (widget->focusPolicy() & Qt::TabFocus);
    const bool link = qobject_cast<look::LinkLabel*>(node->object()) != nullptr;
    if ((reachable || link) && Heard(node).isEmpty())
        missing << widget->objectName() + "(" + widget->metaObject()->className() + ")";
    for (int i = 0; i < node->childCount(); ++i)
        missing << Nameless(node->child(i));
    return missing;
}

// The text of a box as a screen reader reads it.
QString TextOf(QWidget* box) {
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
    return text->text(0, text->characterCount());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName_data() {
        QTest::addColumn<ScreenFactory>("make");
        QTest::newRow("frmMain") << ScreenFactory([](platform::Platform& p) {
            auto screen = std::make_unique<screens::frmMain>(p);
            screen->Form_Load();
            return std::unique_ptr<QWidget>(std::move(screen));
        });
        QTest::newRow("frmKarmicDebtNo") << ScreenFactory([](platform::Platform& p) {
            return std::unique_ptr<QWidget>(std::make_unique<screens::frmKarmicDebtNo>(p));
        });
        QTest::newRow("frmAbout") << ScreenFactory([](platform::Platform& p) {
            return std::unique_ptr<QWidget>(std::make_unique<screens::frmAbout>(p));
        });
        QTest::newRow("frmNagScreen2") << ScreenFactory([](platform::Platform& p) {
            auto screen = std::make_unique<screens::frmNagScreen2>(p);
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

    // A text change that reaches a screen reader before the focus does makes it move on
    // without a word. Qt tells it of the focus as setFocus returns (offscreen it tells no
    // one), so by then the box's text must be as it was; and the box is heard by its name.
    void tabIntoABoxIsToldFirst_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("heard");
        // clang-format off
        QTest::newRow("txtName") << "txtName" << "Your Name";
        QTest::newRow("txtEmail") << "txtEmail" << "Your Email Address";
        QTest::newRow("txtFriendName") << "txtFriendName" << "Friend's Name";
        QTest::newRow("txtFriendEmail") << "txtFriendEmail" << "Friend's Email Address";
        QTest::newRow("txtMessage") << "txtMessage" << "Your Message";
        // clang-format on
    }

    void tabIntoABoxIsToldFirst() {
        QFETCH(QString, box);
        QFETCH(QString, heard);
        testing::FakePlatform fake;
        screens::frmNagScreen2 screen(fake);
        screen.Form_Load();
        QVERIFY(testing::ShowActive(&screen));
        auto* control = testing::Child<QWidget>(&screen, qPrintable(box));
        const QString before = TextOf(control);
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(TextOf(control), before);
        QCoreApplication::processEvents();
        QCOMPARE(Heard(QAccessible::queryAccessibleInterface(control)), heard);
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
        screens::frmKarmicDebtNo screen(fake);
        screen.ShowReading(engine::ComposeReading(14));
        auto* display = screen.findChild<QPlainTextEdit*>("txtDisplay");
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(display);
        QVERIFY(box->text(QAccessible::Description).startsWith("Karmic Debt Number: 14"));
        QVERIFY(box->textInterface());
        QVERIFY(box->textInterface()->text(0, 22).startsWith("Karmic Debt Number: 14"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"
