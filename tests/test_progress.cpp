// 学習状況: totals and states, the picture of the file, hover text, sorting and
// filtering the table, live updates, going to a line, and the other files.
#include "TestSupport.h"
#include "quiz/Progress.h"
#include "store/History.h"
#include "ui/StudyStatus.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace {

// A record with a question of the given length and counters.
QuestionRecord Record(int line, int length, int correct, int wrong)
{
    QuestionRecord r;
    r.LineNo = line;
    r.Number = line;
    r.Length = length;
    static const QString text = QStringLiteral("w\tj");
    r.Text = length > 0 ? QStringView(text) : QStringView();
    r.CorrectCount = correct;
    r.WrongCount = wrong;
    return r;
}

const QStringList Four{"I am fine.\t私は元気です。", "", "Good night.\tおやすみなさい。",
                       "See you.\tまたね。"};

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> p;

    // Four lines (one empty) with counts 3/1, -, 0/2, 0/0.
    frmMain& open()
    {
        p = std::make_unique<Program>();
        const QString q = p->writeQuestions("q.txt", Four);
        p->writeIni(SettingsFor(q) + QStringList{"History (", "0: " + q, "1: 3", "2: 51",
                                                 "3: 1 1 17 0 3 1", "3: 2 2 0 0 0 0",
                                                 "3: 3 3 18 0 0 2", "3: 4 4 8 0 0 0", ")History"});
        frmMain& w = p->start();
        w.show();
        w.StudyStatus_Click();
        return w;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void cleanup() { p.reset(); }

    void totals_data()
    {
        QTest::addColumn<QList<int>>("counts"); // length, correct, wrong for each line
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("never studied") << QList<int>{5, 0, 0, 5, 0, 0} << QList<int>{2, 0, 0, 0, 2};
        QTest::newRow("empty lines are no questions")
            << QList<int>{5, 1, 0, 0, 0, 0, 5, 0, 3} << QList<int>{2, 2, 1, 1, 0};
        QTest::newRow("every state")
            << QList<int>{5, 0, 0, 5, 0, 2, 5, 1, 1, 5, 4, 0} << QList<int>{4, 3, 2, 1, 1};
        QTest::newRow("a counter at its limit")
            << QList<int>{5, 32767, 32767} << QList<int>{1, 1, 1, 0, 0};
    }
    void totals()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QList<int>, expected);
        QuestionList table(1);
        for (int i = 0; i + 2 < counts.size(); i += 3)
            table.push_back(Record(i / 3 + 1, counts[i], counts[i + 1], counts[i + 2]));
        const StudyTotals t = TotalsOf(table, int(table.size()) - 1);
        QCOMPARE((QList<int>{t.questions, t.tried, t.correctAtLeastOnce, t.neverCorrectButTried,
                             t.neverTried}),
                 expected);
    }

    void states_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("state");
        QTest::newRow("empty line") << 0 << 0 << 0 << int(QuestionState::Gap);
        QTest::newRow("never tried") << 4 << 0 << 0 << int(QuestionState::NeverTried);
        QTest::newRow("only wrong") << 4 << 0 << 2 << int(QuestionState::OnlyWrong);
        QTest::newRow("both") << 4 << 1 << 2 << int(QuestionState::CorrectAndWrong);
        QTest::newRow("only correct") << 4 << 32767 << 0 << int(QuestionState::OnlyCorrect);
    }
    void states()
    {
        QFETCH(int, length);
        QFETCH(int, correct);
        QFETCH(int, wrong);
        QFETCH(int, state);
        QCOMPARE(int(StateOf(Record(1, length, correct, wrong))), state);
    }

    // The window over a file: totals as text, the picture's colours at known
    // cells, hover text, and the table sorted most wrong first.
    void windowOverAFile()
    {
        frmMain& w = open();
        StudyStatus* s = w.StudyStatusWindow();
        QVERIFY(s);
        QVERIFY(s->totals->text().contains("問題数：3"));
        QVERIFY(s->totals->text().contains("回答済み：2（66.7%）"));
        QVERIFY(s->totals->text().contains("未回答：1（33.3%）"));
        const QImage shot = s->map->grab().toImage();
        auto colourAt = [&](int line) { return QColor(shot.pixel(s->map->CellOf(line).center())); };
        QCOMPARE(colourAt(1), HistoryMap::ColourOf(QuestionState::CorrectAndWrong));
        QCOMPARE(colourAt(2), HistoryMap::ColourOf(QuestionState::Gap));
        QCOMPARE(colourAt(3), HistoryMap::ColourOf(QuestionState::OnlyWrong));
        QCOMPARE(colourAt(4), HistoryMap::ColourOf(QuestionState::NeverTried));
        QCOMPARE(s->map->LineAt(s->map->CellOf(3).center()), 3);
        QCOMPARE(s->map->HoverText(3),
                 QString("3行目（誤答のみ）\nおやすみなさい。\nGood night.\n正解数：0　誤答数：2"));
        QCOMPARE(s->map->HoverText(2), QString());

        const QAbstractItemModel* rows = s->table->model();
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(rows->index(0, 0).data().toInt(), 3); // most wrong first
        QCOMPARE(rows->index(1, 0).data().toInt(), 1);
        s->table->sortByColumn(QuestionTableModel::CorrectColumn, Qt::DescendingOrder);
        QCOMPARE(rows->index(0, QuestionTableModel::EnglishColumn).data().toString(),
                 QString("I am fine."));
        s->filterText->setText("NIGHT");
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->index(0, 0).data().toInt(), 3);
        s->filterText->clear();
        s->filterState->setCurrentIndex(s->filterState->findData(int(QuestionState::NeverTried)));
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->index(0, QuestionTableModel::JapaneseColumn).data().toString(),
                 QString("またね。"));
    }

    // A judged answer, a mix and a clear show at once.
    void updatesAsYouStudy()
    {
        frmMain& w = open();
        StudyStatus* s = w.StudyStatusWindow();
        Answer(w, true); // line 1 again
        QVERIFY(s->totals->text().contains("一度でも正解：1"));
        const QAbstractItemModel* source = s->model;
        QCOMPARE(source->index(0, QuestionTableModel::CorrectColumn).data().toInt(), 4);
        GoToLine(w, 4);
        Answer(w, true); // never tried until now: its cell turns
        QCOMPARE(QColor(s->map->grab().toImage().pixel(s->map->CellOf(4).center())),
                 HistoryMap::ColourOf(QuestionState::OnlyCorrect));
        w.Ui().Mazeru->trigger();
        QCOMPARE(s->model->rowCount(), 4);
        QCOMPARE(QColor(s->map->grab().toImage().pixel(s->map->CellOf(3).center())),
                 HistoryMap::ColourOf(QuestionState::OnlyWrong)); // file order, not mixed order
        p->dialogs.confirms.push_back(true);
        w.Ui().FileSetting->trigger();
        QTest::mouseClick(w.OptionsWindow()->ButtonClearHistory, Qt::LeftButton);
        QVERIFY(s->totals->text().contains("回答済み：0"));
    }

    // A double-click shows that line's question in the main window, within the
    // display mode; one the mode does not ask says so.
    void goingToALine()
    {
        frmMain& w = open();
        StudyStatus* s = w.StudyStatusWindow();
        emit s->map->LineActivated(3);
        QCOMPARE(w.Ui().Quest->text(), QString("おやすみなさい。"));
        QCOMPARE(WordsOnWindow(w), (QStringList{" night.", "Good"}));
        p->m().Settings.DisplayMode = DisplayFilter::AnsweredWrongly;
        emit s->map->LineActivated(4);
        QCOMPARE(s->message->text(), QString("4行目は今の表示方法では出題されません。"));
        QCOMPARE(w.Ui().Quest->text(), QString("おやすみなさい。"));
    }

    // The other files: every section of english.ini, a missing file marked.
    void otherFiles()
    {
        p = std::make_unique<Program>();
        const QString q = p->writeQuestions("q.txt", Four);
        const QString other = p->writeQuestions("other.txt", {"a\tb"});
        p->writeIni(SettingsFor(q) + QStringList{"History (",
                                                 "0: " + other,
                                                 "1: 1",
                                                 "2: 3",
                                                 "3: 1 1 3 0 2 0",
                                                 ")History",
                                                 "History (",
                                                 "0: /gone/old.txt",
                                                 "1: 3",
                                                 "2: 9",
                                                 "3: 1 1 3 0 0 1",
                                                 "3: 2 2 3 0 0 0",
                                                 "3: 3 3 3 0 x 0",
                                                 ")History",
                                                 "History (",
                                                 "0: " + q,
                                                 "1: 3",
                                                 "2: 51",
                                                 "3: 1 1 17 0 0 0",
                                                 ")History"});
        frmMain& w = p->start();
        w.StudyStatus_Click();
        QTableWidget* files = w.StudyStatusWindow()->files;
        QCOMPARE(files->rowCount(), 3);
        auto row = [&](int r) {
            QStringList cells;
            for (int c = 0; c < files->columnCount(); ++c)
                cells << files->item(r, c)->text();
            return cells;
        };
        QCOMPARE(row(0), (QStringList{other, "1", "1", "1", "1"}));
        QCOMPARE(row(1),
                 (QStringList{"/gone/old.txt（ファイルがありません）", "3", "1", "0", "3"}));
        QCOMPARE(row(2), (QStringList{q, "3", "0", "0", "1"}));
    }
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
