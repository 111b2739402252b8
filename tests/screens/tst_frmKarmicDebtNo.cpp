// The result screen: the reading box, its clipboard guard, and its links.

#include "engine/KarmicDebt.h"
#include "screens/frmKarmicDebtNo.h"
#include "support/OnFakePlatform.h"
#include "web/OpenPage.h"

#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using screens::frmKarmicDebtNo;

struct MouseOverReading {
    QEvent::Type event;
    bool owned;         // the clipboard is ours before
    bool takenByTheBox; // the box takes the selection as it handles the event
};
Q_DECLARE_METATYPE(MouseOverReading)

class frmKarmicDebtNoTest : public testing::OnFakePlatform<frmKarmicDebtNo> {
    Q_OBJECT

private slots:
    void readingShowsFromTheTop() {
        QVERIFY(display()->toPlainText().isEmpty());
        const engine::Reading reading = engine::ComposeReading(13);
        subject->ShowReading(reading);

        const QString text = QString::fromStdU16String(reading.Text());
        QCOMPARE(display()->toPlainText(), QString(text).replace("\r\n", "\n"));
        QCOMPARE(display()->textCursor().position(), 0);
        QCOMPARE(display()->verticalScrollBar()->value(), 0);
        QVERIFY(display()->verticalScrollBar()->maximum() > 0); // long enough to scroll
        QCOMPARE(display()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdback"));
    }

    void readingBoxRefusesTyping() {
        subject->ShowReading(engine::ComposeReading(0));
        const QString before = display()->toPlainText();
        display()->setFocus();
        QTest::keyClicks(display(), "typed");
        QTest::keyClick(display(), Qt::Key_Delete);
        QTest::keyClick(display(), Qt::Key_Backspace);
        QTest::keyClick(display(), Qt::Key_Return);
        QCOMPARE(display()->toPlainText(), before);
    }

    void clipboardGuard_data() {
        // clang-format off
        QTest::addColumn<MouseOverReading>("mouse");
        QTest::addColumn<int>("emptied");

        for (bool owned : {true, false}) {
            const int emptied = owned ? 1 : 0;
            const char* whose = owned ? "ours" : "another program's";
            QTest::addRow("press, %s", whose) << MouseOverReading{QEvent::MouseButtonPress, owned, false} << emptied;
            QTest::addRow("release, %s", whose) << MouseOverReading{QEvent::MouseButtonRelease, owned, false} << emptied;
            QTest::addRow("move, %s", whose) << MouseOverReading{QEvent::MouseMove, owned, false} << emptied;
        }
        // A drag that ends outside the box: no event follows the release.
        QTest::addRow("release, the selection taken") << MouseOverReading{QEvent::MouseButtonRelease, false, true} << 1;
        // clang-format on
    }

    void clipboardGuard() {
        QFETCH(MouseOverReading, mouse);
        QFETCH(int, emptied);
        const auto [event, owned, takenByTheBox] = mouse;
        fake->ownsClipboard = owned;
        QWidget* viewport = display()->viewport();
        const QPoint inside = viewport->rect().center();
        switch (event) {
        case QEvent::MouseButtonPress:
            QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
            break;
        case QEvent::MouseButtonRelease:
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside);
            break;
        default:
            QTest::mouseMove(viewport, inside);
            break;
        }
        fake->ownsClipboard = fake->ownsClipboard || takenByTheBox;
        QCoreApplication::processEvents();
        QCOMPARE(fake->clipboardEmptied, emptied);
    }

    void showingTheReadingEmptiesOurClipboard() {
        fake->ownsClipboard = true;
        subject->ShowReading(engine::ComposeReading(16));
        QCOMPARE(fake->clipboardEmptied, 1);
        QVERIFY(!fake->ownsClipboard);
    }

    // Pressed inside, a selection would be dragged out whole to another program. Ending it
    // leaves the view where the user scrolled it, away from the selection's end.
    void aPressInsideTheSelectionStartsANewOne() {
        subject->ShowReading(engine::ComposeReading(13));
        display()->selectAll();
        display()->verticalScrollBar()->setValue(0);
        QTest::mousePress(display()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QVERIFY(!display()->textCursor().hasSelection());
        QCOMPARE(display()->verticalScrollBar()->value(), 0);
        QTest::mouseRelease(display()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    }

    void fullBrandAlwaysInFront() {
        auto* frame = child<QGroupBox>("fraFullBrand");
        auto* cobrand = child<QWidget>("lblCobrand");
        QCOMPARE(frame->childAt(cobrand->geometry().center())->objectName(),
                 QStringLiteral("lblFullBrand"));
    }

    // The banners are the main screen's, tested there; here only that both are in place.
    void bannersOpenTheirPages() {
        for (const char* label : {"Label61", "lblFullBrand"}) {
            auto* link = child<QWidget>(label);
            link->raise();
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QCOMPARE(fake->openedUrls, (QStringList{web::PageUrl(web::PageKey::HomePage),
                                                web::PageUrl(web::PageKey::FullyBranded)}));
    }

    void backAndCloseAreReported() {
        QSignalSpy back(subject.get(), &frmKarmicDebtNo::backRequested);
        QSignalSpy close(subject.get(), &frmKarmicDebtNo::closeRequested);
        QTest::mouseClick(child<QPushButton>("cmdback"), Qt::LeftButton);
        QCOMPARE(back.count(), 1);
        subject->close();
        QCOMPARE(close.count(), 1);
        QVERIFY(subject->isVisible()); // the lifecycle, not the window, decides when it goes
    }

private:
    void Prepare() override { QVERIFY(testing::ShowActive(subject.get())); }
    QPlainTextEdit* display() { return child<QPlainTextEdit>("txtDisplay"); }
};

QTEST_MAIN(frmKarmicDebtNoTest)
#include "tst_frmKarmicDebtNo.moc"
