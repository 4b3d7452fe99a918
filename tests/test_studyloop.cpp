// Studying on the real window: word buttons, judging, give-up, navigation and
// the postcard modes.
#include "TestSupport.h"
#include "ui/FocusStyle.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTextEdit>
#include <QtTest>
#include <set>

namespace {

QPushButton* Word(frmMain& w, const QString& word)
{
    return WordButton(w, word);
}

void Click(QWidget* b)
{
    QVERIFY(b);
    QVERIFY(b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
}

QString Face(QPushButton* b)
{
    return FaceOf(b).name();
}

// Stands beneath the program's style and notes the identity of every palette a
// button face reaches Fusion with: Fusion keeps each face it draws under that
// identity for as long as the program runs.
class FaceRecorder : public QProxyStyle
{
public:
    FaceRecorder() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelButtonCommand)
            palettes.insert(option->palette.cacheKey());
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable std::set<qint64> palettes;
};

} // namespace

class TestStudyLoop : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> p;

    // A window on a question file, with messages on, shown on the screen.
    frmMain& open(const QStringList& questions, int operationMode = 0,
                  const QStringList& history = {}, int displayMode = 0)
    {
        p = std::make_unique<Program>();
        const QString q = p->writeQuestions("q.txt", questions);
        const QString c = p->writeQuestions("c.txt", {"正解です！"});
        const QString wr = p->writeQuestions("w.txt", {"残念！"});
        const QString g = p->writeQuestions("g.txt", {"答えを見ましょう。"});
        QStringList s = SettingsFor(q, operationMode, displayMode, {c, wr, g});
        s[0] = s[1] = s[2] = " 1 ";
        if (!history.isEmpty())
            s << "History ("
              << "0: " + q << history << ")History";
        p->writeIni(s);
        frmMain& w = p->start();
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("window not exposed");
        return w;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void cleanup() { p.reset(); }

    void wordsClickedInOrderAreJudgedCorrect()
    {
        frmMain& w = open({"I am fine.\t私は元気です。"});
        QCOMPARE(w.Ui().Quest->text(), QString("私は元気です。"));
        QCOMPARE(WordsOnWindow(w), (QStringList{" am", " fine.", "I"}));
        QCOMPARE(p->m().WordButtonCount, 4);
        QCOMPARE(Word(w, " am")->text(), QString(" am"));
        QCOMPARE(Face(Word(w, "I")), QString("#c0ffff"));
        Click(Word(w, "I"));
        QCOMPARE(Face(Word(w, "I")), QString("#c0c0c0"));
        Click(Word(w, " am"));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 0);
        Click(Word(w, " fine."));
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("I am fine."));
        QCOMPARE(w.Ui().LabelCHK->text(), QString("正解です！"));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
        QCOMPARE(p->m().QuestionTable[1].WrongCount, 0);
    }

    void wrongOrderIsJudgedWrong()
    {
        frmMain& w = open({"I am fine.\t私は元気です。"});
        p->m().Settings.ShowWrongMessage = 0;
        w.Ui().LabelCHK->setText("before");
        Click(Word(w, " am"));
        Click(Word(w, "I"));
        Click(Word(w, " fine."));
        QCOMPARE(w.Ui().Anser->toPlainText(), QString(" amI fine."));
        QCOMPARE(w.Ui().LabelCHK->text(), QString()); // message off: the label is cleared
        QCOMPARE(p->m().QuestionTable[1].WrongCount, 1);
    }

    void takingBackCutsTheTail()
    {
        frmMain& w = open({"I am fine.\t私は元気です。"});
        Click(Word(w, "I"));
        Click(Word(w, " am"));
        Click(Word(w, "I"));
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("I a"));
        QCOMPARE(Face(Word(w, "I")), QString("#c0ffff"));
        // Edited so that a used word no longer occurs: nothing changes.
        w.Ui().Anser->setPlainText("xyz");
        Click(Word(w, " am"));
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("xyz"));
        QCOMPARE(Face(Word(w, " am")), QString("#c0c0c0"));
    }

    void clearMakesEveryWordAvailable()
    {
        frmMain& w = open({"I am fine.\t私は元気です。"});
        Click(Word(w, "I"));
        Click(Word(w, " am"));
        w.Ui().Label3->show();
        Click(w.Ui().BClear);
        QCOMPARE(w.Ui().Anser->toPlainText(), QString());
        QCOMPARE(Face(Word(w, "I")), QString("#c0ffff"));
        QCOMPARE(Face(Word(w, " am")), QString("#c0ffff"));
        QVERIFY(!w.Ui().Label3->isVisible());
    }

    void nineWordsStartASecondColumn()
    {
        frmMain& w = open({"a b c d e f g h i\tJ"});
        QCOMPARE(p->m().WordButtonCount, 10);
        QCOMPARE(w.WordButtons()[9]->mapTo(w.centralWidget(), QPoint()),
                 QPoint(TwipsToPixels(2640), TwipsToPixels(2740)));
        QCOMPARE(w.WordButtons()[8]->mapTo(w.centralWidget(), QPoint()),
                 QPoint(TwipsToPixels(440), TwipsToPixels(5540)));
        QCOMPARE(w.WordButtons()[1]->size(), w.WordButtons()[0]->size());
        QVERIFY(w.WordButtons()[1]->font().bold());
        QVERIFY(!w.WordButtons()[0]->isVisible());
    }

    void ampersandIsShownLiterally()
    {
        frmMain& w = open({"Tom&Jerry run.\tJ"});
        QPushButton* b = Word(w, "Tom&Jerry");
        QVERIFY(b);
        QCOMPARE(b->text(), QString("Tom&&Jerry"));
        Click(b);
        Click(Word(w, " run."));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
    }

    void statusBarForRecord12()
    {
        QStringList questions, history{"1: 12", "2: 36"};
        for (int i = 1; i <= 12; ++i) {
            questions << "a\tb";
            history << QStringLiteral("3: %1 %1 3 0 %2 0").arg(i).arg(i == 12 ? 3 : 0);
        }
        frmMain& w = open(questions, 0, history);
        for (int i = 0; i < 11; ++i)
            Click(w.Ui().BNext);
        QCOMPARE(p->m().CurrentIndex, 12);
        QCOMPARE(w.Ui().Text1->text(), QString("12"));
        QCOMPARE(w.StatusText(), p->path("q.txt") + " 番号：12 正解数：3 誤答数：0");
    }

    void navigationMessages()
    {
        frmMain& w = open({"One.\t一", "", "Two.\t二"});
        Click(w.Ui().BBack);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("ここが最初の問題です。"));
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().Quest->text(), QString("二"));
        QCOMPARE(w.Ui().Text1->text(), QString("2"));
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("これ以上問題はありません"));
        QCOMPARE(w.Ui().Quest->text(), QString("二")); // the previous question stays
        QCOMPARE(p->m().WordButtonCount, 0);
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("もうこれ以上問題がありません"));
        Click(w.Ui().BBack);
        QCOMPARE(w.Ui().Quest->text(), QString("二"));
        QCOMPARE(p->m().WordButtonCount, 2);
    }

    void limitRefusalKeepsTheQuestion()
    {
        frmMain& w = open({"One.\t一", "Two.\t二", "Three.\t三"});
        p->m().Settings.LimitQuestionCount = 1;
        w.Ui().Text2->setText("1");
        w.Ui().Anser->setPlainText("typed");
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("ここが最後の問題です。"));
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("typed"));
        QCOMPARE(p->m().WordButtonCount, 2);
        // Not a number in the box: no limit applies.
        w.Ui().Text2->setText("many");
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().Quest->text(), QString("二"));
        w.Ui().Text2->setText("99999999");
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().Quest->text(), QString("三"));
    }

    void typingANumberRestartsTheCount()
    {
        frmMain& w = open({"One.\t一", "Two.\t二"});
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().Text1->text(), QString("2"));
        w.Ui().Text2->clear();
        QCOMPARE(w.Ui().Text1->text(), QString("2"));
        QTest::keyClicks(w.Ui().Text2, "5");
        QCOMPARE(w.Ui().Text1->text(), QString("1"));
        QCOMPARE(p->m().CurrentNumber, 1);
        QTest::keyClicks(w.Ui().Text2, "x");
        QCOMPARE(p->m().CurrentNumber, 1);
    }

    void giveUpTwice()
    {
        frmMain& w = open({"I am fine.\t私は元気です。"});
        Click(Word(w, "I"));
        Click(w.Ui().BGiveup);
        QVERIFY(w.Ui().Label3->isVisible());
        QCOMPARE(w.Ui().Label4->text(), QString("I"));
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("I am fine."));
        QCOMPARE(w.Ui().LabelCHK->text(), QString("答えを見ましょう。"));
        QCOMPARE(p->m().WordButtonCount, 0);
        Click(w.Ui().BGiveup);
        QCOMPARE(w.Ui().Label4->text(), QString("I am fine."));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount + p->m().QuestionTable[1].WrongCount, 0);
        Click(w.Ui().BClear); // no word buttons: nothing happens
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("I am fine."));
    }

    void postcardJapaneseToEnglish()
    {
        frmMain& w = open({"I am fine.\t私は元気です。"}, 1);
        Click(w.Ui().BCheck);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題文を表示してください。"));
        Click(w.Ui().BStart);
        QCOMPARE(w.Ui().Quest->text(), QString("私は元気です。"));
        QVERIFY(!w.Ui().BClear->isVisible());
        w.Ui().Anser->setPlainText("my guess");
        Click(w.Ui().BCheck);
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("I am fine."));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 0);
        QCOMPARE(w.StatusText(), p->path("q.txt"));
    }

    void postcardEnglishToJapanese()
    {
        frmMain& w = open({"I am fine.\t私は元気です。", "No tab here"}, 2);
        Click(w.Ui().BStart);
        QCOMPARE(w.Ui().Quest->text(), QString("I am fine."));
        w.JudgeAnswer();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題文を表示してください。"));
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().Quest->text(), QString("No tab here"));
    }

    // A line without a TAB is all sentence: shown whole, no word buttons, and a
    // give-up or a reveal shows it whole.
    void lineWithoutTab()
    {
        frmMain& w = open({"One.\t一", "Just words"});
        Click(w.Ui().BNext);
        QCOMPARE(w.Ui().Quest->text(), QString("Just words"));
        QCOMPARE(p->m().WordButtonCount, 0);
        w.JudgeAnswer();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("単語ボタンを表示してください。"));
        Click(w.Ui().BGiveup);
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("Just words"));
        // Start on it: the question area empties and nothing is built.
        w.ShowCurrentQuestion();
        QCOMPARE(w.Ui().Quest->text(), QString());
        QCOMPARE(w.Ui().Anser->toPlainText(), QString());
        QCOMPARE(p->m().WordButtonCount, 0);
    }

    void countersStopAtTheLimit()
    {
        frmMain& w = open({"Go.\t行け。"}, 0, {"1: 1", "2: 7", "3: 1 1 7 0 32767 0"});
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 32767);
        Click(Word(w, "Go."));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 32767);
    }

    void correctMessageWithEmptyListKeepsLabel()
    {
        frmMain& w = open({"Go.\t行け。"});
        p->m().CorrectMessageCount = 0;
        w.Ui().LabelCHK->setText("kept");
        Click(Word(w, "Go."));
        QCOMPARE(w.Ui().LabelCHK->text(), QString("kept"));
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
    }

    // Going from question to question and clicking words leaves nothing
    // behind: no widgets in the window, and no new palettes for the style to
    // keep faces under, however long the study goes on.
    void manyMovesLeaveNothingBehind()
    {
        auto* recorder = new FaceRecorder;
        QApplication::setStyle(new FocusStyle(recorder));
        const auto restore = qScopeGuard([this] {
            p.reset();
            QApplication::setStyle(new FocusStyle);
        });
        frmMain& w = open({"One two three.\t一", "Four five six seven.\t二", "Eight nine.\t三"});
        auto study = [&] {
            for (int i = 0; i < 12; ++i) {
                Click(i % 6 < 3 ? w.Ui().BNext : w.Ui().BBack);
                // Past the last question no buttons are left to click.
                if (w.WordButtons().size() > 1)
                    Click(w.WordButtons()[1]);
                w.grab();
                if (i % 4 == 0) {
                    Click(w.Ui().BClear);
                    w.grab();
                }
            }
        };
        // Every face, in every state it can be in, is drawn once.
        study();
        // Widgets beside the word buttons of the question on display.
        auto others = [&] {
            return w.findChildren<QWidget*>().size() - qsizetype(w.WordButtons().size());
        };
        const qsizetype widgets = others();
        const size_t palettes = recorder->palettes.size();
        QVERIFY(palettes > 0);
        for (int round = 0; round < 5; ++round)
            study();
        QCOMPARE(others(), widgets);
        QCOMPARE(recorder->palettes.size(), palettes);
    }

    // A command that arrives while another runs waits for it to end.
    void commandsNeverNest()
    {
        frmMain& w = open({"One.\t一", "Two.\t二"});
        QStringList order;
        w.Handle([&] {
            order << "outer start";
            w.Handle([&] { order << "inner"; });
            order << "outer end";
        });
        QCOMPARE(order, (QStringList{"outer start", "outer end"}));
        QTRY_COMPARE(order.size(), 3);
        QCOMPARE(order.last(), QString("inner"));
    }
};

QTEST_MAIN(TestStudyLoop)
#include "test_studyloop.moc"
