// Every caption whole and every text readable, whatever the desktop: each screen state is
// drawn with the sans-serif font set this run was given (FONTCONFIG_FILE), at several
// scales, and under dark desktop palettes.

#include "engine/KarmicDebt.h"
#include "look/CaptionFitting.h"
#include "screens/frmAbout.h"
#include "screens/frmKarmicDebtNo.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Where and how a control draws its caption, as the style lays it out, and the box its
// ink must keep to.
struct Caption {
    QString text;
    QRect box;
    int flags;
    QRect drawn;
};

// What of the control is on screen: every parent up to the window clips it.
QRect OnScreen(const QWidget* control) {
    QRect shown = control->rect();
    for (const QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
        shown &= QRect(control->mapFrom(parent, QPoint(0, 0)), parent->size());
        if (parent->isWindow())
            break;
    }
    return shown;
}

std::optional<Caption> CaptionOf(QWidget* control) {
    const int mnemonic = Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return std::nullopt;
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        QRect drawn = label->contentsRect();
        if (label->indent() > 0 && (label->alignment() & Qt::AlignLeft))
            drawn.setLeft(drawn.left() + label->indent());
        // The text is laid out in the whole label, but only its part on screen shows.
        return Caption{label->text(), label->contentsRect() & OnScreen(label),
                       int(label->alignment()) | wrap, drawn};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                                              : QStyle::SE_PushButtonContents;
        const QRect box = button->style()->subElementRect(element, &option, button);
        return Caption{button->text(), box,
                       mnemonic | (qobject_cast<QCheckBox*>(button) ? 0 : Qt::AlignCenter), box};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        if (frame->title().isEmpty())
            return std::nullopt;
        return Caption{frame->title(), frame->rect(), mnemonic, frame->rect()};
    }
    return std::nullopt;
}

// The part of the drawing that is not background, in logical pixels.
QRectF Ink(const QImage& image, qreal scale) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRectF(left / scale, top / scale, (right - left + 1) / scale,
                  (bottom - top + 1) / scale);
}

// Dark desktop palettes as Qt receives them: GNOME's Adwaita-dark through the gtk3
// platform theme, and KDE's Breeze Dark.
QPalette DarkPalette(const QColor& window, const QColor& base, const QColor& text,
                     const QColor& highlight) {
    QPalette palette(window, window);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::BrightText, QPalette::ToolTipText, QPalette::HighlightedText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::PlaceholderText, text.darker(160));
    return palette;
}

} // namespace

class LegibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        auto main = std::make_unique<screens::frmMain>(fake);
        main->Form_Load();
        addScreen("main", std::move(main));
        auto result = std::make_unique<screens::frmKarmicDebtNo>(fake);
        result->ShowReading(engine::ComposeReading(13));
        addScreen("reading", std::move(result));
        addScreen("about", std::make_unique<screens::frmAbout>(fake));
        for (int appeal = 0; appeal < 4; ++appeal) {
            fake.randoms = {appeal / 4.0};
            auto farewell = std::make_unique<screens::frmNagScreen2>(fake);
            farewell->Form_Load();
            addScreen(QStringLiteral("farewell, appeal %1").arg(appeal), std::move(farewell));
        }
    }

    // Where only Liberation fonts exist, fontconfig's first answer for Verdana, and for
    // sans-serif, is Liberation Mono.
    void aSansSerifStandsIn() {
        for (QWidget* screen : std::as_const(states)) {
            for (QWidget* control : screen->findChildren<QWidget*>()) {
                if (control->isWindow())
                    continue; // menus and popups follow the desktop
                const QFontInfo font(control->font());
                QVERIFY2(!font.fixedPitch(),
                         qPrintable(control->objectName() + " is set in " + font.family()));
            }
        }
    }

    void captionsKeepTheirInk_data() {
        // clang-format off
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("control");
        for (auto it = states.cbegin(); it != states.cend(); ++it) {
            for (QWidget* control : it.value()->findChildren<QWidget*>()) {
                if (CaptionOf(control) && !control->objectName().isEmpty())
                    QTest::addRow("%s: %s", qPrintable(it.key()), qPrintable(control->objectName())) << it.key() << control->objectName();
            }
        }
        // clang-format on
    }

    // The caption is drawn unclipped, at each scale a desktop may use; none of its ink may
    // fall outside the box it is drawn in.
    void captionsKeepTheirInk() {
        QFETCH(QString, state);
        QFETCH(QString, control);
        auto* widget = states[state]->findChild<QWidget*>(control);
        const Caption caption = *CaptionOf(widget);
        const int margin = 40;
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
            const QSize logical = caption.box.size() + QSize(2 * margin, 2 * margin);
            QImage image(logical * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.setFont(widget->font());
                painter.setPen(Qt::black);
                painter.drawText(
                    caption.drawn.translated(QPoint(margin, margin) - caption.box.topLeft()),
                    caption.flags | Qt::TextDontClip, caption.text);
            }
            const QRectF ink = Ink(image, scale);
            const QRectF box(margin, margin, caption.box.width(), caption.box.height());
            QVERIFY2(
                box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(ink),
                qPrintable(QString::asprintf("at scale %g the ink spans %g,%g %gx%g of a %gx%g box",
                                             scale, ink.x() - margin, ink.y() - margin, ink.width(),
                                             ink.height(), box.width(), box.height())));
        }
    }

    // The fitted size is the one a plain step down from the designed size, measuring each
    // size with the font, would find: on every caption, and with the font drawn at the dots
    // per inch of each scale a desktop may use.
    void fittingAgreesWithStepDown_data() { captionsKeepTheirInk_data(); }

    void fittingAgreesWithStepDown() {
        QFETCH(QString, state);
        QFETCH(QString, control);
        auto* widget = states[state]->findChild<QWidget*>(control);
        const look::CaptionBox caption = *look::CaptionBoxOf(widget);
        const double designed = look::DesignedPoints(widget);
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
            QImage device(1, 1, QImage::Format_RGB32);
            const int dpi = qRound(96 * scale);
            device.setDotsPerMeterX(qRound(dpi / 0.0254));
            device.setDotsPerMeterY(qRound(dpi / 0.0254));
            QFont font(widget->font(), &device);
            const double fast = look::LargestFittingPoints(font, designed, caption, dpi);
            double stepped = designed;
            for (; stepped > look::SmallestPoints; stepped -= look::PointStep) {
                font.setPointSizeF(stepped);
                if (look::FitsIn(font, caption))
                    break;
            }
            QVERIFY2(fast == std::max(stepped, look::SmallestPoints),
                     qPrintable(QString::asprintf("at %d dpi %gpt, stepping down %gpt", dpi, fast,
                                                  stepped)));
        }
    }

    void darkDesktopChangesNothing_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QPalette>("dark");
        const QPalette adwaitaDark = DarkPalette(QColor(53, 53, 53), QColor(45, 45, 45),
                                                 QColor(238, 238, 236), QColor(21, 83, 158));
        const QPalette breezeDark = DarkPalette(QColor(49, 54, 59), QColor(35, 38, 41),
                                                QColor(252, 252, 252), QColor(61, 174, 233));
        for (const QString& state : states.keys()) {
            QTest::addRow("%s, Adwaita-dark", qPrintable(state)) << state << adwaitaDark;
            QTest::addRow("%s, Breeze Dark", qPrintable(state)) << state << breezeDark;
        }
    }

    // Every surface the program colours draws the same on a dark desktop as on a light one,
    // so every caption, title, box and list keeps its contrast.
    void darkDesktopChangesNothing() {
        QFETCH(QString, state);
        QFETCH(QPalette, dark);
        QWidget* screen = states[state];
        const QPalette light = QApplication::palette();
        const QImage onLight = screen->grab().toImage();
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        const QImage onDark = screen->grab().toImage();
        QApplication::setPalette(light);
        QCoreApplication::processEvents();

        QCOMPARE(onDark.size(), onLight.size());
        int changed = 0;
        QPoint first;
        for (int y = 0; y < onLight.height(); ++y) {
            for (int x = 0; x < onLight.width(); ++x) {
                if (onLight.pixel(x, y) != onDark.pixel(x, y) && changed++ == 0)
                    first = {x, y};
            }
        }
        const QWidget* where = screen->childAt(first);
        QVERIFY2(changed == 0,
                 qPrintable(QString::asprintf(
                     "%d pixels change, the first at %d,%d in %s", changed, first.x(), first.y(),
                     where ? qPrintable(where->objectName()) : "the screen")));
    }

private:
    void addScreen(const QString& state, std::unique_ptr<QWidget> screen) {
        screen->show();
        states[state] = screen.get();
        screens.push_back(std::move(screen));
    }

    testing::FakePlatform fake;
    std::vector<std::unique_ptr<QWidget>> screens;
    QMap<QString, QWidget*> states;
};

// Without its font set this run would draw with whatever the machine has and prove nothing,
// so it is skipped (status 77), naming the set's folder.
int main(int argc, char* argv[]) {
    const QString set = qEnvironmentVariable("NUVRA_FONT_SET");
    if (set.isEmpty() ||
        !QDirIterator(set, {"*.ttf", "*.otf"}, QDir::Files, QDirIterator::Subdirectories)
             .hasNext()) {
        std::printf("skipped: needs the font set in %s, which this machine lacks "
                    "(scripts/fetch-test-fonts fetches it)\n",
                    qPrintable(set));
        return 77;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    LegibilityTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Legibility.moc"
