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

struct Sums {
    LetterSum all, vowels, consonants;
};
struct Names {
    QString first, middle, last;
};

} // namespace

Q_DECLARE_METATYPE(Sums)
Q_DECLARE_METATYPE(Names)
Q_DECLARE_METATYPE(engine::CoreNumbers)

namespace engine {
char* toString(const CoreNumbers& n) {
    return qstrdup(qPrintable(QString::asprintf("{%lld, %lld, %lld, %lld}", qlonglong(n.Destiny),
                                                qlonglong(n.SoulUrge), qlonglong(n.InnerDream),
                                                qlonglong(n.BirthDay))));
}
} // namespace engine

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void letterSums_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<Sums>("sums");

        QTest::newRow("empty") << "" << Sums{0, 0, 0};
        QTest::newRow("JOHN") << "JOHN" << Sums{20, 6, 14};
        QTest::newRow("lower case counts nothing") << "john" << Sums{0, 0, 0};
        QTest::newRow("apostrophe and hyphen") << "O'NEIL-SMITH" << Sums{52, 29, 23};
        QTest::newRow("Y is a consonant") << "Y" << Sums{7, 0, 7};
        QTest::newRow("accented capital") << QString::fromUtf8("ÉMILE") << Sums{21, 14, 7};
        QTest::newRow("same as without accent") << "MILE" << Sums{21, 14, 7};
        QTest::newRow("whole alphabet") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ" << Sums{126, 24, 102};
        QTest::newRow("runs of nine") << "AJS IR Z" << Sums{29, 10, 19};
        QTest::newRow("digits, signs, tabs") << "12\t-+ 9\r\n" << Sums{0, 0, 0};
        QTest::newRow("full-width and Greek capitals") << QString::fromUtf8("ＡΑΕ") << Sums{0, 0, 0};
        // clang-format on
    }

    void letterSums() {
        QFETCH(QString, text);
        QFETCH(Sums, sums);
        const auto u16 = U16(text);
        QCOMPARE(SumLetters(u16, LetterClass::AllLetters), sums.all);
        QCOMPARE(SumLetters(u16, LetterClass::Vowels), sums.vowels);
        QCOMPARE(SumLetters(u16, LetterClass::Consonants), sums.consonants);
    }

    void vowelsAndConsonantsSplitEveryText() {
        QRandomGenerator random(20261208);
        for (int round = 0; round < 500; ++round) {
            std::u16string text;
            const int length = random.bounded(40);
            for (int i = 0; i < length; ++i)
                text.push_back(static_cast<char16_t>(random.bounded(0x20, 0x250)));
            QCOMPARE(SumLetters(text, LetterClass::Vowels) +
                         SumLetters(text, LetterClass::Consonants),
                     SumLetters(text, LetterClass::AllLetters));
        }
    }

    void coreNumbers_data() {
        // clang-format off
        QTest::addColumn<Names>("names");
        QTest::addColumn<CoreNumbers>("numbers"); // the day: 7

        QTest::newRow("ED KAY") << Names{"ED", "", "KAY"} << CoreNumbers{19, 6, 13, 7};
        QTest::newRow("Y stands in: SY SY") << Names{"SY", "", "SY"} << CoreNumbers{16, 14, 16, 7};
        QTest::newRow("Y stands in: GLYN WYN") << Names{"GLYN", "", "WYN"} << CoreNumbers{39, 14, 39, 7};
        QTest::newRow("JOHN SMITH") << Names{"JOHN", "", "SMITH"} << CoreNumbers{44, 15, 29, 7};
        QTest::newRow("middle name of spaces") << Names{"JOHN", "   ", "SMITH"} << CoreNumbers{44, 15, 29, 7};
        QTest::newRow("surrounding spaces") << Names{"  JOHN ", " ", " SMITH  "} << CoreNumbers{44, 15, 29, 7};
        QTest::newRow("Y only without any vowel") << Names{"SKY", "", "E"} << CoreNumbers{15, 5, 10, 7};
        QTest::newRow("no vowel and no Y") << Names{"BRR", "", "ST"} << CoreNumbers{23, 0, 23, 7};
        QTest::newRow("names of spaces only") << Names{"   ", "", "  "} << CoreNumbers{0, 0, 0, 7};
        QTest::newRow("lower-case y never stands in") << Names{"glyn", "", "wyn"} << CoreNumbers{0, 0, 0, 7};
        QTest::newRow("lower case, digits, signs") << Names{"john", "42", "o'neil"} << CoreNumbers{0, 0, 0, 7};
        QTest::newRow("tabs stay and count nothing") << Names{"\tJOHN", "", "SMITH\n"} << CoreNumbers{44, 15, 29, 7};
        // clang-format on
    }

    void coreNumbers() {
        QFETCH(Names, names);
        QFETCH(CoreNumbers, numbers);
        const CoreInput input{U16(names.first), U16(names.middle), U16(names.last), u"7"};
        QCOMPARE(ComputeCoreNumbers(input), numbers);
        QCOMPARE(ComputeCoreNumbers(input), numbers); // nothing carries over between runs
    }

    void dayText_data() {
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

    void dayText() {
        QFETCH(QString, dayText);
        QFETCH(qint64, birthDay);
        const CoreNumbers numbers = ComputeCoreNumbers({u"A", u"", u"B", U16(dayText)});
        QCOMPARE(numbers.BirthDay, birthDay);
    }

    void laterNumberWins_data() {
        QTest::addColumn<CoreNumbers>("numbers");
        QTest::addColumn<int>("debt");

        QTest::newRow("none") << CoreNumbers{31, 4, 1, 5} << 0;
        QTest::newRow("Destiny alone") << CoreNumbers{13, 4, 9, 5} << 13;
        QTest::newRow("SoulUrge over Destiny") << CoreNumbers{19, 14, 5, 5} << 14;
        QTest::newRow("InnerDream over SoulUrge") << CoreNumbers{1, 19, 16, 5} << 16;
        QTest::newRow("BirthDay over all") << CoreNumbers{19, 16, 14, 13} << 13;
        QTest::newRow("earlier match survives a later non-match")
            << CoreNumbers{5, 16, 20, 2} << 16;
        QTest::newRow("reduced values are no debt") << CoreNumbers{4, 22, 40, 31} << 0;
        QTest::newRow("huge sums") << CoreNumbers{1300000000013, 14000, 0, 0} << 0;
    }

    void laterNumberWins() {
        QFETCH(CoreNumbers, numbers);
        QFETCH(int, debt);
        QCOMPARE(FindKarmicDebt(numbers), debt);
    }

    void debtOfNames_data() {
        // clang-format off
        QTest::addColumn<Names>("names");
        QTest::addColumn<QString>("day");
        QTest::addColumn<int>("debt");

        QTest::newRow("JOHN SMITH 5") << Names{"JOHN", "", "SMITH"} << "5" << 0;
        QTest::newRow("ED KAY 1") << Names{"ED", "", "KAY"} << "1" << 13;
        QTest::newRow("EVA SUE 1") << Names{"EVA", "", "SUE"} << "1" << 14;
        QTest::newRow("ALI ROY 1") << Names{"ALI", "", "ROY"} << "1" << 19;
        QTest::newRow("SY SY 1") << Names{"SY", "", "SY"} << "1" << 16;
        for (const char* day : {"13", "14", "16", "19"})
            QTest::addRow("ED KAY %s", day) << Names{"ED", "", "KAY"} << day << QByteArray(day).toInt();
        QTest::newRow("day 31 is no debt") << Names{"JOHN", "", "SMITH"} << "31" << 0;
        // clang-format on
    }

    void debtOfNames() {
        QFETCH(Names, names);
        QFETCH(QString, day);
        QFETCH(int, debt);
        const CoreInput input{U16(names.first), U16(names.middle), U16(names.last), U16(day)};
        QCOMPARE(FindKarmicDebt(ComputeCoreNumbers(input)), debt);
    }

    void readings_data() {
        QTest::addColumn<int>("debt");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("length");

        QTest::newRow("0") << 0 << ExpectedReading(0, NoDebt) << 301;
        QTest::newRow("13") << 13 << ExpectedReading(13, Paragraph13) << 823;
        QTest::newRow("14") << 14 << ExpectedReading(14, Paragraph14) << 803;
        QTest::newRow("16") << 16 << ExpectedReading(16, Paragraph16) << 668;
        QTest::newRow("19") << 19 << ExpectedReading(19, Paragraph19) << 766;
    }

    void readings() {
        QFETCH(int, debt);
        QFETCH(QString, expected);
        QFETCH(int, length);
        const QString reading = Q(ComposeReading(debt).Text());
        QCOMPARE(expected.size(), length);
        for (qsizetype i = 0; i < qMin(reading.size(), expected.size()); ++i) {
            if (reading[i] != expected[i])
                QFAIL(qPrintable(
                    QString("first difference at %1: ...%2").arg(i).arg(reading.mid(i, 30))));
        }
        QCOMPARE(reading.size(), length);
    }

    void readingConstantsKeepTheirQuirks() {
        QVERIFY(Q(ComposeReading(19).Text()).contains("person.  It's"));
        QVERIFY(Q(ComposeReading(13).Text()).contains("Don 't get"));
        const QString noDebt = Q(MakeReading({u"JOHN", u"", u"SMITH", u"5"}).Text());
        QVERIFY(noDebt.startsWith("Karmic Debt Number: 0\r\n\r\n"));
        QVERIFY(noDebt.endsWith(NoDebt + "\r\n\r\n\r\n\r\n"));
    }

    void millionLetterNameSumsExactly() {
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
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
