// The study session without a window: what each operation mode shows, and
// what Start, judging, giving up, Next, Back and mixing show, count and signal.
#include "TestSupport.h"
#include "quiz/StudySession.h"

#include <QtTest>

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void perMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("wordButtons");
        QTest::newRow("word buttons") << 0 << "一" << true;
        QTest::newRow("postcard, Japanese to English") << 1 << "一" << false;
        QTest::newRow("postcard, English to Japanese") << 2 << "One two." << false;
    }
    void perMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, shown);
        QFETCH(bool, wordButtons);
        QTemporaryDir dir;
        const QString q = dir.filePath("q.txt");
        WriteBytes(q, CrLf({"One two.\t一", "Red blue.\t二", "I am fine.\t三"}));
        Module1 m;
        m.Ini = IniFile(dir.filePath("english.ini"));
        m.Settings.OperationMode = static_cast<Operation>(mode);
        StudySession s(m);
        QSignalSpy questionShown(&s, &StudySession::questionShown);
        QSignalSpy verdicts(&s, &StudySession::verdict);
        QSignalSpy changed(&s, &StudySession::recordChanged);
        QSignalSpy reset(&s, &StudySession::tableReset);

        QCOMPARE(s.Take(PrepareQuestionFile(m.Ini, m.Settings.DisplayMode, q)),
                 LoadOutcome::Loaded);
        QCOMPARE(reset.count(), 1);
        m.CurrentIndex = 1;
        m.CurrentNumber = 1;
        QCOMPARE(s.Start(), MoveResult::Found);
        QCOMPARE(questionShown.count(), 1);
        auto view = s.Current();
        QVERIFY(view);
        QCOMPARE(view->question, shown);
        QCOMPARE(view->english, QString("One two."));
        QCOMPARE(view->wordButtons, wordButtons);

        // A wrong answer and a right one each count once; a give-up counts
        // nothing and shows the English.
        QCOMPARE(s.Judge("two One."), std::optional<bool>(false));
        QCOMPARE(s.Judge("one two."), std::optional<bool>(true));
        QCOMPARE(s.GiveUp(), std::optional<QString>("One two."));
        QCOMPARE(m.QuestionTable[1].CorrectCount, 1);
        QCOMPARE(m.QuestionTable[1].WrongCount, 1);
        QCOMPARE(verdicts.count(), 2);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().first().toInt(), 1);
        QVERIFY(s.Unsaved());

        QCOMPARE(s.Next(std::nullopt), MoveResult::Found);
        QCOMPARE(s.Current()->english, QString("Red blue."));
        QCOMPARE(s.Back(), MoveResult::Found);
        QCOMPARE(s.Current()->english, QString("One two."));
        QCOMPARE(s.Back(), MoveResult::AtFirst);
        QCOMPARE(questionShown.count(), 3);

        // Going to a line the display mode does not ask moves nothing.
        QVERIFY(s.GoToLine(3));
        QCOMPARE(s.Current()->english, QString("I am fine."));
        QVERIFY(!s.GoToLine(9));
        QCOMPARE(s.Current()->english, QString("I am fine."));

        s.Mix();
        QCOMPARE(reset.count(), 2);
        QCOMPARE(m.CurrentIndex, 1);
        s.Saved();
        QVERIFY(!s.Unsaved());

        s.Drop();
        QCOMPARE(reset.count(), 3);
        QCOMPARE(m.QuestionLineCount, -1);
        QVERIFY(!s.Current());
        QCOMPARE(s.Judge("One two."), std::nullopt);
        QCOMPARE(s.GiveUp(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
