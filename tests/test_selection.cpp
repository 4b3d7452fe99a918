// Which questions are asked: eligibility per display mode, the eligible count,
// and the Start, Next and Back moves with every refusal.
#include "TestSupport.h"
#include "quiz/Selection.h"

#include <QtTest>

namespace {

// A table from a pattern: 'q' a question never answered, 'c' answered correctly
// once, 'w' answered wrongly once, '-' an empty line.
void FillTable(Module1& m, const QString& pattern, bool hasSection)
{
    QStringList lines;
    for (QChar c : pattern)
        lines << (c == '-' ? QString() : QStringLiteral("Q\tJ"));
    m.QuestionLineCount = int(pattern.size());
    m.QuestionLines = TextLines::FromList(lines);
    BuildQuestionRecords(m.QuestionLines, m.QuestionLineCount, m.QuestionTable);
    for (int i = 1; i <= m.QuestionLineCount; ++i) {
        m.QuestionTable[i].CorrectCount = pattern[i - 1] == 'c';
        m.QuestionTable[i].WrongCount = pattern[i - 1] == 'w';
    }
    m.EligibleCount =
        CountEligible(m.QuestionTable, m.QuestionLineCount, m.Settings.DisplayMode, hasSection);
    m.CurrentIndex = m.CurrentNumber = 1;
}

QString Name(MoveResult r)
{
    switch (r) {
    case MoveResult::Found:
        return "found";
    case MoveResult::PastEnd:
        return "end";
    case MoveResult::NoFile:
        return "nofile";
    case MoveResult::NothingEligible:
        return "none";
    case MoveResult::AtLimit:
        return "limit";
    case MoveResult::Exhausted:
        return "exhausted";
    case MoveResult::AtFirst:
        return "first";
    case MoveResult::NoneBefore:
        return "nonebefore";
    }
    return {};
}

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void eligibleCount_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("displayMode");
        QTest::addColumn<bool>("hasSection");
        QTest::addColumn<int>("count");
        QTest::newRow("all") << "qc-w" << 0 << true << 3;
        QTest::newRow("not yet correct") << "qc-w" << 1 << true << 2;
        QTest::newRow("answered wrongly") << "qc-w" << 2 << true << 1;
        QTest::newRow("unknown mode") << "qc-w" << 5 << true << 0;
        QTest::newRow("never studied, mode 2") << "qq-q" << 2 << false << 3;
        QTest::newRow("never studied, unknown mode") << "qq-q" << 5 << false << 3;
        QTest::newRow("empty file") << "" << 0 << true << 0;
    }
    void eligibleCount()
    {
        QFETCH(QString, pattern);
        QFETCH(int, displayMode);
        QFETCH(bool, hasSection);
        QFETCH(int, count);
        Module1 m;
        m.Settings.DisplayMode = static_cast<DisplayFilter>(displayMode);
        FillTable(m, pattern, hasSection);
        QCOMPARE(m.EligibleCount, count);
    }

    // Steps: S start, N next, B back, R the question-limit box retyped (number
    // reset to 1), cK / wK record K answered correctly / wrongly.
    void moves_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("displayMode");
        QTest::addColumn<bool>("hasSection");
        QTest::addColumn<int>("limit"); // 0: limit off
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("number");
        QTest::newRow("first eligible is not record 1")
            << "-cq" << 1 << true << 0 << QStringList{"S"} << QStringList{"found"} << 3 << 1;
        QTest::newRow("next right after the load skips record 1")
            << "qqq" << 0 << true << 0 << QStringList{"N"} << QStringList{"found"} << 2 << 2;
        QTest::newRow("mode 1 passes over a question answered after the load")
            << "qqq" << 1 << true << 0 << QStringList{"S", "c2", "N"}
            << QStringList{"found", "found"} << 3 << 2;
        QTest::newRow("mode 2 without history ends past the end")
            << "qq" << 2 << false << 0 << QStringList{"S"} << QStringList{"end"} << 3 << 1;
        QTest::newRow("limit equal to the eligible count")
            << "qq" << 0 << true << 2 << QStringList{"N", "N"} << QStringList{"found", "limit"} << 2
            << 2;
        QTest::newRow("back at number 1") << "qqq" << 0 << true << 0 << QStringList{"S", "B"}
                                          << QStringList{"found", "first"} << 1 << 1;
        QTest::newRow("back that finds nothing restores both")
            << "cqq" << 1 << true << 0 << QStringList{"S", "N", "c2", "B"}
            << QStringList{"found", "found", "nonebefore"} << 3 << 2;
        QTest::newRow("past the last, exhausted, back to the last")
            << "qq" << 0 << true << 0 << QStringList{"N", "N", "N", "B"}
            << QStringList{"found", "end", "exhausted", "found"} << 2 << 2;
        QTest::newRow("back refused at number 1 after a reset")
            << "qqq" << 0 << true << 0 << QStringList{"N", "N", "R", "B"}
            << QStringList{"found", "found", "first"} << 3 << 1;
        QTest::newRow("past the end stays one past it")
            << "qq" << 0 << true << 0 << QStringList{"N", "N", "R", "N", "N"}
            << QStringList{"found", "end", "end", "end"} << 3 << 1;
        QTest::newRow("no question file") << "" << 0 << true << 0 << QStringList{"S", "N", "B"}
                                          << QStringList{"nofile", "nofile", "nofile"} << 1 << 1;
        QTest::newRow("nothing eligible") << "cc" << 1 << true << 0 << QStringList{"S", "N", "B"}
                                          << QStringList{"none", "nofile", "nofile"} << 1 << 1;
        QTest::newRow("unknown display mode stops at once")
            << "-q" << 5 << false << 0 << QStringList{"S"} << QStringList{"found"} << 1 << 1;
        QTest::newRow("empty lines are never shown")
            << "q--q" << 0 << true << 0 << QStringList{"S", "N", "B"}
            << QStringList{"found", "found", "found"} << 1 << 1;
        QTest::newRow("a question answered wrongly twice stays in mode 2")
            << "ww" << 2 << true << 0 << QStringList{"S", "w1", "N", "B"}
            << QStringList{"found", "found", "found"} << 1 << 1;
    }
    void moves()
    {
        QFETCH(QString, pattern);
        QFETCH(int, displayMode);
        QFETCH(bool, hasSection);
        QFETCH(int, limit);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, results);
        QFETCH(int, index);
        QFETCH(int, number);
        Module1 m;
        m.Settings.DisplayMode = static_cast<DisplayFilter>(displayMode);
        m.Settings.LimitQuestionCount = limit > 0 ? 1 : 0;
        FillTable(m, pattern, hasSection);
        const int eligible = m.EligibleCount;
        QStringList got;
        for (const QString& step : steps) {
            if (step == "S")
                got << Name(StartMove(m));
            else if (step == "N")
                got << Name(NextMove(m, limit > 0 ? std::optional<int>(limit) : std::nullopt));
            else if (step == "B")
                got << Name(BackMove(m));
            else if (step == "R")
                m.CurrentNumber = 1;
            else if (step[0] == 'c')
                m.QuestionTable[step.mid(1).toInt()].CorrectCount++;
            else if (step[0] == 'w')
                m.QuestionTable[step.mid(1).toInt()].WrongCount++;
            QVERIFY(m.CurrentIndex >= 0 && m.CurrentIndex <= m.QuestionLineCount + 1);
        }
        QCOMPARE(got, results);
        QCOMPARE(m.CurrentIndex, index);
        QCOMPARE(m.CurrentNumber, number);
        QCOMPARE(m.EligibleCount, eligible); // moving never changes it
    }

    // A table emptied under a count that still names its records: the moves
    // find nothing and read nothing that is not there.
    void emptiedTableUnderOldCount()
    {
        Module1 m;
        FillTable(m, "qqq", true);
        m.QuestionTable.clear();
        QCOMPARE(StartMove(m), MoveResult::PastEnd);
        QCOMPARE(m.Current().Length, 0);
        m.CurrentNumber = 2;
        QCOMPARE(BackMove(m), MoveResult::NoneBefore);
    }
};

QTEST_GUILESS_MAIN(TestSelection)
#include "test_selection.moc"
