// The caption texts every screen shows, captions fitted to their boxes, and the link
// label's click.

#include "look/CaptionFitting.h"
#include "look/LinkLabel.h"
#include "look/ScreenLook.h"

#include <QFontDatabase>
#include <QFontMetricsF>
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

    // Set smaller only as far as it must be: the next step up would not fit.
    void aCaptionTakesTheLargestSizeThatFits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<QSizeF>("boxShare"); // of the text's size at the designed size
        const QString banner = QStringLiteral(
            "Home Business Opportunity. Start your own Internet business and make money online. "
            "Get this software fully branded for your website. Click here for more details.");
        QTest::newRow("one line too wide")
            << QStringLiteral("Middle Name") << false << QSizeF(0.85, 1.5);
        QTest::newRow("one line too low")
            << QStringLiteral("Middle Name") << false << QSizeF(1.5, 0.95);
        QTest::newRow("wrapped lines too many") << banner << true << QSizeF(1.0, 0.9);
        QTest::newRow("wrapped lines far too many") << banner << true << QSizeF(1.0, 0.6);
    }

    void aCaptionTakesTheLargestSizeThatFits() {
        QFETCH(QString, text);
        QFETCH(bool, wrapped);
        QFETCH(QSizeF, boxShare);
        const int flags = Qt::AlignLeft | Qt::AlignTop | (wrapped ? Qt::TextWordWrap : 0);
        constexpr double Designed = 8.25;
        const auto bounds = [&](double points, int width) {
            QFont font = look::ScreenFont(QStringLiteral("Verdana"), points);
            return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 1e6), flags, text);
        };
        const int width = wrapped ? 400 : int(bounds(Designed, 1000).width() * boxShare.width());
        const QSizeF designedSize = bounds(Designed, width).size();
        QLabel label(text);
        label.setFont(look::ScreenFont(QStringLiteral("Verdana"), Designed));
        label.setWordWrap(wrapped);
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label.resize(width, int(designedSize.height() * boxShare.height()));
        look::FitCaption(&label);

        const double points = label.font().pointSizeF();
        const QRect box = label.contentsRect().adjusted(std::max(label.indent(), 0), 0, 0, 0);
        const auto fits = [&](double size) {
            const QSizeF needed = bounds(size, box.width()).size();
            return needed.width() <= box.width() && needed.height() <= box.height();
        };
        QVERIFY2(points < Designed && fits(points), qPrintable(QString::number(points)));
        QVERIFY2(!fits(points + 0.25),
                 qPrintable(QStringLiteral("%1pt would fit too").arg(points + 0.25)));
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
