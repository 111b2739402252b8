// The caption texts every screen shows, an underline kept in its box, and the link label's
// click.

#include "look/CaptionFitting.h"
#include "look/LinkLabel.h"
#include "look/ScreenLook.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using look::CaptionText;
using look::LinkLabel;

struct Gesture {
    QPoint press, release;
    Qt::MouseButton button;
    bool twice; // a double click
};
Q_DECLARE_METATYPE(Gesture)

class CaptionsAndLinksTest : public QObject {
    Q_OBJECT

private slots:
    void captionText_data() {
        // clang-format off
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("access key") << "&Next" << "Next";
        QTest::newRow("doubled is one ampersand") << "name &&  link" << "name &  link";
        QTest::newRow("doubled before an access key") << "&&&x" << "&x";
        QTest::newRow("lone trailing ampersand stays") << "a &" << "a &";
        QTest::newRow("no marker") << "plain" << "plain";
        // clang-format on
    }

    void captionText() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(CaptionText(caption), shown);
    }

    // Some fonts draw the underline below their descent, outside the line its text fills.
    void anUnderlineKeepsToItsBox() {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(DEEP_UNDERLINE_FONT));
        QVERIFY(id >= 0);
        QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
        font.setPointSizeF(8.25);
        font.setUnderline(true);
        QLabel label(QStringLiteral("Forum"));
        label.setFont(font);
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label.resize(200, QFontMetrics(font).height());
        look::FitCaption(&label);

        const QPoint margin(20, 20);
        QImage image(label.size() + 2 * QSize(margin.x(), margin.y()), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setFont(label.font());
            painter.drawText(label.rect().translated(margin),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, label.text());
        }
        int lowestInk = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 160)
                    lowestInk = y - margin.y();
            }
        }
        QVERIFY(lowestInk >= 0);
        QVERIFY2(
            lowestInk < label.height(),
            qPrintable(QString::asprintf("ink down to row %d of a box %d high at %gpt", lowestInk,
                                         label.height(), label.font().pointSizeF())));
    }

    void linkLabelClick_data() {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("clicks");
        const QPoint inside(10, 5);
        const QPoint outside(300, 5);
        const Qt::MouseButton left = Qt::LeftButton;
        QTest::newRow("press and release inside") << Gesture{inside, inside, left, false} << 1;
        QTest::newRow("dragged off to cancel") << Gesture{inside, outside, left, false} << 0;
        QTest::newRow("right button") << Gesture{inside, inside, Qt::RightButton, false} << 0;
        QTest::newRow("double click opens once") << Gesture{inside, inside, left, true} << 1;
    }

    void linkLabelClick() {
        QFETCH(Gesture, gesture);
        QFETCH(int, clicks);
        const auto [press, release, button, twice] = gesture;
        LinkLabel label;
        label.setText(QStringLiteral("a link"));
        label.resize(100, 20);
        QSignalSpy clicked(&label, &LinkLabel::clicked);
        QTest::mousePress(&label, button, {}, press);
        QTest::mouseRelease(&label, button, {}, release);
        if (twice) { // the second press comes as a double click
            QTest::mouseDClick(&label, button, {}, press);
            QTest::mouseRelease(&label, button, {}, release);
        }
        QCOMPARE(clicked.count(), clicks);
    }
};

QTEST_MAIN(CaptionsAndLinksTest)
#include "tst_CaptionsAndLinks.moc"
