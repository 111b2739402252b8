// The numerology engine: letter sums, the core numbers, karmic debt and the reading text.

#include "engine/KarmicDebt.h"

#include <QRandomGenerator>
#include <QString>
#include <QTest>

using namespace engine;

namespace {

std::u16string U16(const QString& text) {
    return text.toStdU16String();
}
QString Q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// The expected texts are an independent copy, so a slip in either copy fails the test.
const QString General =
    "This number signifies some mistake or misuse of opportunities in your previous "
    "lifetime that reflects in the present lifetime. You can rectify the error in "
    "this lifetime by taking an additional burden known as Karmic Debt.";

const QString Paragraph13 =
    "People with this number your kitty are hard worker and strugglers. This number "
    "signifies that you had avoided hard work in your previous lifetimes and will "
    "have to make up for it in this lifetime. There may many ups and downs coming on "
    "your way, even speed breakers, stay alert and focused. People associated with "
    "lines like business, art and sports share this number. You will need to b "
    "disciplined and focused to do away with your debt. Don 't get diverted and "
    "avoid laziness. You need to bring order in your life and not waste your energy "
    "on multiple projects.";

const QString Paragraph14 =
    "Be optimistic and goal oriented, you will come up with flying colors. This debt "
    "is due to abuse of freedom and indulgence in the wrong things in your previous "
    "lifetimes. This number may target your sensitive feelings and even hurt "
    "painfully. Don't indulge in alcohols, drugs to avoid pain. Try to adapt "
    "changes. Many times you are forced to change in certain hard circumstances and "
    "then it will be tougher than expected. Always try be a modest person, which is "
    "the key to reach your goals. You should be determined and committed to your "
    "tasks.";

const QString Paragraph16 =
    "This number is probably the route to attain the real truth of life. You will "
    "reach very near to high spiritual awareness. This debt is due to abused love "
    "affairs that hurt people around you in your previous lifetimes. Avoid having an "
    "egoistic nature and inferiority complex. Learn to think about others' feelings. "
    "Your ego, which had been inflated, will need to be subdued and this is a very "
    "painful process.";

const QString Paragraph19 =
    "You are a self-made man forced to stand on your own feet without any help of "
    "others. You have the power and energy to struggle and fight with obstacles. "
    "This debt is due to abuse of power in your previous lifetimes. But still you "
    "may need support from others, as you are a very emotional person.  It's "
    "important to free your mind and know the reality of mutual interdependence. Do "
    "not use others for your purpose and then forget them. Learn to accept other's "
    "advice and stop blaming them for your mistakes.";

const QString NoDebt = "Your Karmic Debt Number is not applicable.";

QString ExpectedReading(int debt, const QString& paragraph) {
    return "Karmic Debt Number: " + QString::number(debt) + "\r\n\r\n" + General + "\r\n\r\n" +
           paragraph + "\r\n\r\n\r\n\r\n";
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void letterSums_data();
    void letterSums();
    void vowelsAndConsonantsSplitEveryText();
    void coreNumbers_data();
    void coreNumbers();
    void dayText_data();
    void dayText();
    void laterNumberWins_data();
    void laterNumberWins();
    void debtOfNames_data();
    void debtOfNames();
    void readings_data();
    void readings();
    void readingConstantsKeepTheirQuirks();
    void millionLetterNameSumsExactly();
};

void EngineTest::letterSums_data() {
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("all");
    QTest::addColumn<qint64>("vowels");
    QTest::addColumn<qint64>("consonants");

    QTest::newRow("empty") << "" << 0LL << 0LL << 0LL;
    QTest::newRow("JOHN") << "JOHN" << 20LL << 6LL << 14LL;
    QTest::newRow("lower case counts nothing") << "john" << 0LL << 0LL << 0LL;
    QTest::newRow("apostrophe and hyphen") << "O'NEIL-SMITH" << 52LL << 29LL << 23LL;
    QTest::newRow("Y is a consonant") << "Y" << 7LL << 0LL << 7LL;
    QTest::newRow("accented capital") << QString::fromUtf8("ÉMILE") << 21LL << 14LL << 7LL;
    QTest::newRow("same as without accent") << "MILE" << 21LL << 14LL << 7LL;
    QTest::newRow("whole alphabet") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ" << 126LL << 24LL << 102LL;
    QTest::newRow("runs of nine") << "AJS IR Z" << 29LL << 10LL << 19LL;
    QTest::newRow("digits, signs, tabs") << "12\t-+ 9\r\n" << 0LL << 0LL << 0LL;
    QTest::newRow("full-width and Greek capitals") << QString::fromUtf8("ＡΑΕ") << 0LL << 0LL << 0LL;
    // clang-format on
}

void EngineTest::letterSums() {
    QFETCH(QString, text);
    QFETCH(qint64, all);
    QFETCH(qint64, vowels);
    QFETCH(qint64, consonants);
    const auto u16 = U16(text);
    QCOMPARE(SumLetters(u16, LetterClass::AllLetters), all);
    QCOMPARE(SumLetters(u16, LetterClass::Vowels), vowels);
    QCOMPARE(SumLetters(u16, LetterClass::Consonants), consonants);
}

void EngineTest::vowelsAndConsonantsSplitEveryText() {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 500; ++round) {
        std::u16string text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            text.push_back(static_cast<char16_t>(random.bounded(0x20, 0x250)));
        QCOMPARE(SumLetters(text, LetterClass::Vowels) + SumLetters(text, LetterClass::Consonants),
                 SumLetters(text, LetterClass::AllLetters));
    }
}

void EngineTest::coreNumbers_data() {
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<qint64>("destiny");
    QTest::addColumn<qint64>("soulUrge");
    QTest::addColumn<qint64>("innerDream");

    QTest::newRow("ED KAY") << "ED" << "" << "KAY" << 19LL << 6LL << 13LL;
    QTest::newRow("Y stands in: SY SY") << "SY" << "" << "SY" << 16LL << 14LL << 16LL;
    QTest::newRow("Y stands in: GLYN WYN") << "GLYN" << "" << "WYN" << 39LL << 14LL << 39LL;
    QTest::newRow("JOHN SMITH") << "JOHN" << "" << "SMITH" << 44LL << 15LL << 29LL;
    QTest::newRow("middle name of spaces") << "JOHN" << "   " << "SMITH" << 44LL << 15LL << 29LL;
    QTest::newRow("surrounding spaces") << "  JOHN " << " " << " SMITH  " << 44LL << 15LL << 29LL;
    QTest::newRow("Y only without any vowel") << "SKY" << "" << "E" << 15LL << 5LL << 10LL;
    QTest::newRow("no vowel and no Y") << "BRR" << "" << "ST" << 23LL << 0LL << 23LL;
    QTest::newRow("names of spaces only") << "   " << "" << "  " << 0LL << 0LL << 0LL;
    QTest::newRow("lower-case y never stands in") << "glyn" << "" << "wyn" << 0LL << 0LL << 0LL;
    QTest::newRow("lower case, digits, signs") << "john" << "42" << "o'neil" << 0LL << 0LL << 0LL;
    QTest::newRow("tabs stay and count nothing") << "\tJOHN" << "" << "SMITH\n" << 44LL << 15LL << 29LL;
    // clang-format on
}

void EngineTest::coreNumbers() {
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(qint64, destiny);
    QFETCH(qint64, soulUrge);
    QFETCH(qint64, innerDream);

    const CoreInput input{U16(first), U16(middle), U16(last), u"7"};
    const CoreNumbers numbers = ComputeCoreNumbers(input);
    QCOMPARE(numbers.Destiny, destiny);
    QCOMPARE(numbers.SoulUrge, soulUrge);
    QCOMPARE(numbers.InnerDream, innerDream);
    QCOMPARE(numbers.BirthDay, 7LL);
    QVERIFY(ComputeCoreNumbers(input) == numbers); // nothing carries over between runs
}

void EngineTest::dayText_data() {
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<qint64>("birthDay");

    QTest::newRow("1") << "1" << 1LL;
    QTest::newRow("31") << "31" << 31LL;
    QTest::newRow("spaces around") << " 19 " << 19LL;
    QTest::newRow("zero-padded") << "007" << 7LL;
    QTest::newRow("empty") << "" << 0LL;
    QTest::newRow("spaces only") << "   " << 0LL;
    QTest::newRow("letters") << "abc" << 0LL;
    QTest::newRow("digits then letters") << "13th" << 0LL;
    QTest::newRow("sign") << "-13" << 0LL;
    QTest::newRow("plus sign") << "+13" << 0LL;
    QTest::newRow("decimal point") << "13.0" << 0LL;
    QTest::newRow("inner space") << "1 3" << 0LL;
    QTest::newRow("huge") << "99999999999999999999999999999999" << 0LL;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("١٣") << 0LL;
}

void EngineTest::dayText() {
    QFETCH(QString, dayText);
    QFETCH(qint64, birthDay);
    const CoreNumbers numbers = ComputeCoreNumbers({u"A", u"", u"B", U16(dayText)});
    QCOMPARE(numbers.BirthDay, birthDay);
}

void EngineTest::laterNumberWins_data() {
    QTest::addColumn<qint64>("destiny");
    QTest::addColumn<qint64>("soulUrge");
    QTest::addColumn<qint64>("innerDream");
    QTest::addColumn<qint64>("birthDay");
    QTest::addColumn<int>("debt");

    QTest::newRow("none") << 31LL << 4LL << 1LL << 5LL << 0;
    QTest::newRow("Destiny alone") << 13LL << 4LL << 9LL << 5LL << 13;
    QTest::newRow("SoulUrge over Destiny") << 19LL << 14LL << 5LL << 5LL << 14;
    QTest::newRow("InnerDream over SoulUrge") << 1LL << 19LL << 16LL << 5LL << 16;
    QTest::newRow("BirthDay over all") << 19LL << 16LL << 14LL << 13LL << 13;
    QTest::newRow("earlier match survives a later non-match") << 5LL << 16LL << 20LL << 2LL << 16;
    QTest::newRow("reduced values are no debt") << 4LL << 22LL << 40LL << 31LL << 0;
    QTest::newRow("huge sums") << 1300000000013LL << 14000LL << 0LL << 0LL << 0;
}

void EngineTest::laterNumberWins() {
    QFETCH(qint64, destiny);
    QFETCH(qint64, soulUrge);
    QFETCH(qint64, innerDream);
    QFETCH(qint64, birthDay);
    QFETCH(int, debt);
    QCOMPARE(FindKarmicDebt({destiny, soulUrge, innerDream, birthDay}), debt);
}

void EngineTest::debtOfNames_data() {
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("debt");

    QTest::newRow("JOHN SMITH 5") << "JOHN" << "SMITH" << "5" << 0;
    QTest::newRow("ED KAY 1") << "ED" << "KAY" << "1" << 13;
    QTest::newRow("EVA SUE 1") << "EVA" << "SUE" << "1" << 14;
    QTest::newRow("ALI ROY 1") << "ALI" << "ROY" << "1" << 19;
    QTest::newRow("SY SY 1") << "SY" << "SY" << "1" << 16;
    for (const char* day : {"13", "14", "16", "19"})
        QTest::addRow("ED KAY %s", day) << "ED" << "KAY" << day << QByteArray(day).toInt();
    QTest::newRow("day 31 is no debt") << "JOHN" << "SMITH" << "31" << 0;
    // clang-format on
}

void EngineTest::debtOfNames() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, day);
    QFETCH(int, debt);
    QCOMPARE(FindKarmicDebt(ComputeCoreNumbers({U16(first), u"", U16(last), U16(day)})), debt);
}

void EngineTest::readings_data() {
    QTest::addColumn<int>("debt");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("length");

    QTest::newRow("0") << 0 << ExpectedReading(0, NoDebt) << 301;
    QTest::newRow("13") << 13 << ExpectedReading(13, Paragraph13) << 823;
    QTest::newRow("14") << 14 << ExpectedReading(14, Paragraph14) << 803;
    QTest::newRow("16") << 16 << ExpectedReading(16, Paragraph16) << 668;
    QTest::newRow("19") << 19 << ExpectedReading(19, Paragraph19) << 766;
}

void EngineTest::readings() {
    QFETCH(int, debt);
    QFETCH(QString, expected);
    QFETCH(int, length);
    const QString reading = Q(ComposeReading(debt));
    QCOMPARE(expected.size(), length);
    for (qsizetype i = 0; i < qMin(reading.size(), expected.size()); ++i) {
        if (reading[i] != expected[i])
            QFAIL(qPrintable(
                QString("first difference at %1: ...%2").arg(i).arg(reading.mid(i, 30))));
    }
    QCOMPARE(reading.size(), length);
}

void EngineTest::readingConstantsKeepTheirQuirks() {
    QVERIFY(Q(ComposeReading(19)).contains("person.  It's"));
    QVERIFY(Q(ComposeReading(13)).contains("Don 't get"));
    const QString noDebt = Q(MakeReading({u"JOHN", u"", u"SMITH", u"5"}));
    QVERIFY(noDebt.startsWith("Karmic Debt Number: 0\r\n\r\n"));
    QVERIFY(noDebt.endsWith(NoDebt + "\r\n\r\n\r\n\r\n"));
}

void EngineTest::millionLetterNameSumsExactly() {
    const std::u16string zs(1'000'000, u'Z');
    const std::u16string as(1'000'000, u'A');
    const CoreNumbers numbers = ComputeCoreNumbers({zs, as, zs, u"2"});
    QCOMPARE(numbers.Destiny, 17'000'000LL);
    QCOMPARE(numbers.SoulUrge, 1'000'000LL);
    QCOMPARE(numbers.InnerDream, 16'000'000LL);
    QCOMPARE(FindKarmicDebt(numbers), 0);

    // Past 32767 characters and letters, Y standing in still counts every Y.
    const std::u16string ys(40'000, u'Y');
    QCOMPARE(ComputeCoreNumbers({ys, u"", u"BY", u"1"}).SoulUrge, 280'007LL);
}

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
