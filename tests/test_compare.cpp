// The text comparison, the random-swap shuffle, and splitting a sentence into
// word buttons.
#include "TestSupport.h"
#include "answer/Judge.h"
#include "answer/Shuffle.h"
#include "answer/WordSplit.h"
#include "store/TextCompare.h"

#include <QtTest>

class TestCompare : public QObject
{
    Q_OBJECT

private slots:
    void judging_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("correct");
        QTest::newRow("exact") << "I am fine." << true;
        QTest::newRow("letter case") << "i AM FINE." << true;
        QTest::newRow("full-width letters") << QStringLiteral("Ｉ ａｍ ｆｉｎｅ．") << true;
        QTest::newRow("full-width blank") << QStringLiteral("I　am fine.") << true;
        QTest::newRow("trailing blank") << "I am fine. " << false;
        QTest::newRow("leading blank") << " I am fine." << false;
        QTest::newRow("double blank") << "I  am fine." << false;
        QTest::newRow("no full stop") << "I am fine" << false;
        QTest::newRow("empty") << "" << false;
    }
    void judging()
    {
        QFETCH(QString, answer);
        QFETCH(bool, correct);
        QCOMPARE(IsCorrectAnswer(answer, QStringLiteral("I am fine.\t私は元気です。")), correct);
    }

    void kana()
    {
        QVERIFY(TextEquals(QStringLiteral("カタカナ"), QStringLiteral("かたかな")));
        QVERIFY(TextEquals(QStringLiteral("ｶﾀｶﾅ"), QStringLiteral("かたかな")));
        QVERIFY(TextEquals(QStringLiteral("ガッコウ"), QStringLiteral("がっこう")));
        QVERIFY(!TextEquals(QStringLiteral("かたかな"), QStringLiteral("ひらがな")));
        QVERIFY(TextContains(QStringLiteral("/HOME/がっこう/Q.TXT"), QStringLiteral("ガッコウ/q")));
        QVERIFY(!TextContains("abc", "abd"));
    }

    void indexOfBlank()
    {
        QCOMPARE(TextIndexOfChar(QStringLiteral("ab　c d"), ' ', 0), 2);
        QCOMPARE(TextIndexOfChar("ab c d", ' ', 3), 4);
        QCOMPARE(TextIndexOfChar("abc", ' ', 0), -1);
    }

    void rounding_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("index");
        QTest::newRow("low half to even 0") << 4 << 0.125 << 0;
        QTest::newRow("half to even 2") << 4 << 0.625 << 2;
        QTest::newRow("half to even 4") << 4 << 0.875 << 4;
        QTest::newRow("above half") << 4 << 0.2 << 1;
        QTest::newRow("near one") << 4 << 0.99 << 4;
    }
    void rounding()
    {
        QFETCH(int, n);
        QFETCH(double, r);
        QFETCH(int, index);
        QCOMPARE(SwapIndex(n, r), index);
    }

    // n steps, a swap only when both indexes are above 0; entry 0 untouched.
    void swapSteps()
    {
        const double draws[] = {0.5, 0.75, 0.0, 0.9, 0.25, 0.25, 0.99, 0.26};
        int next = 0;
        QList<QPair<int, int>> swaps;
        RandomSwapSteps(
            4, [&] { return draws[next++]; }, [&](int a, int b) { swaps << qMakePair(a, b); });
        QCOMPARE(next, 8);
        QCOMPARE(swaps, (QList<QPair<int, int>>{{2, 3}, {4, 1}}));

        QStringList list{"zero", "a", "b", "c"};
        for (int i = 0; i < 50; ++i)
            ShuffleStrings(3, list);
        QCOMPARE(list[0], QString("zero"));
        QStringList sorted = list.mid(1);
        sorted.sort();
        QCOMPARE(sorted, (QStringList{"a", "b", "c"}));
        QStringList empty{""};
        ShuffleStrings(-1, empty);
        QCOMPARE(empty, QStringList{""});
        ShuffleStrings(5, empty); // a count beyond the list never reaches past it
        QCOMPARE(empty, QStringList{""});
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("hasTab");
        QTest::newRow("sentence") << "I am fine.\tJ" << QStringList{"I", " am", " fine."} << true;
        QTest::newRow("double blank") << "I  am\tJ" << QStringList{"I", " ", " am"} << true;
        QTest::newRow("leading blank") << " I am\tJ" << QStringList{" I", " am"} << true;
        QTest::newRow("full-width blank")
            << QStringLiteral("I　am\tJ　K") << QStringList{"I", QStringLiteral("　am")} << true;
        QTest::newRow("blank after tab") << "one\ta b" << QStringList{"one"} << true;
        QTest::newRow("tab first") << "\tJ" << QStringList{} << true;
        QTest::newRow("no tab") << "I am" << QStringList{} << false;
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(bool, hasTab);
        bool tab = !hasTab;
        QCOMPARE(SplitWords(text, &tab), words);
        QCOMPARE(tab, hasTab);
    }

    void grid_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("first") << 1 << QPoint(440, 2740);
        QTest::newRow("eighth") << 8 << QPoint(440, 5540);
        QTest::newRow("ninth") << 9 << QPoint(2640, 2740);
        QTest::newRow("seventeenth") << 17 << QPoint(4840, 2740);
        QTest::newRow("48th") << 48 << QPoint(11440, 5540);
        QTest::newRow("49th grows down") << 49 << QPoint(11440, 5940);
        QTest::newRow("60th") << 60 << QPoint(11440, 2740 + 400 * 19);
    }
    void grid()
    {
        QFETCH(int, i);
        QFETCH(QPoint, at);
        QCOMPARE(WordButtonPosition(i), at);
    }

    void takeBack_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("result");
        QTest::newRow("last word") << "I am fine."
                                   << " fine."
                                   << "I am";
        QTest::newRow("earlier word cuts the tail") << "I am fine."
                                                    << "I"
                                                    << "I am fine";
        QTest::newRow("word no longer there") << "I was"
                                              << " am"
                                              << "-";
        QTest::newRow("longer than answer") << "am"
                                            << "am"
                                            << "";
    }
    void takeBack()
    {
        QFETCH(QString, answer);
        QFETCH(QString, word);
        QFETCH(QString, result);
        const auto r = TakeBackWord(answer, word);
        if (result == "-")
            QVERIFY(!r);
        else
            QCOMPARE(*r, result);
    }

    void counters()
    {
        int c = 32766;
        RaiseCounter(c);
        QCOMPARE(c, 32767);
        RaiseCounter(c);
        QCOMPARE(c, 32767);
    }
};

QTEST_GUILESS_MAIN(TestCompare)
#include "test_compare.moc"
