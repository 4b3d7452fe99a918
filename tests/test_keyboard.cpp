// Studying from the keyboard: typing to pick words, the study keys, Return,
// focus, the focus frame, and sentences longer than the designed grid.
#include "TestSupport.h"
#include "ui/FocusStyle.h"
#include "ui/Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QtTest>

namespace {

// A sentence of n distinct words, each named alone by its first two letters.
QString LongSentence(int n)
{
    QStringList words;
    for (int i = 0; i < n; ++i)
        words << QString(QChar('a' + i / 26)) + QChar('a' + i % 26) + "ing";
    return words.join(' ') + ".\t長い文";
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> p;

    frmMain& open(const QStringList& questions, int mode = 0)
    {
        p = std::make_unique<Program>();
        p->writeIni(SettingsFor(p->writeQuestions("q.txt", questions), mode));
        frmMain& w = p->start();
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("window not active");
        return w;
    }

    // Sends keys the way the keyboard would: to the widget with the focus.
    static void Press(const QTestEventList& keys, frmMain& w)
    {
        for (QTestEvent* e : keys) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            QTestEventList one;
            one.append(e->clone());
            one.simulate(target);
        }
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void cleanup() { p.reset(); }

    // Typing picks words exactly as clicks would: same answer, same verdict,
    // same counts.
    void typingPicksWords_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        const QString five = "She reads a good book.\t彼女は良い本を読む。";
        const QString six = "I saw it in a box.\t私は箱の中にそれを見た。";
        QTestEventList initials;
        initials.addKeyClicks("sragb");
        QTest::newRow("initials") << five << initials << "She reads a good book." << 1 << 0;
        QTestEventList wrongOrder;
        wrongOrder.addKeyClicks("rsagb");
        QTest::newRow("wrong order") << five << wrongOrder << " readsShe a good book." << 0 << 1;
        QTestEventList space;
        space.addKeyClick('i');
        space.addKeyClick(Qt::Key_Space);
        space.addKeyClicks("sitiab");
        QTest::newRow("Space confirms a whole word")
            << six << space << "I saw it in a box." << 1 << 0;
        QTestEventList back;
        back.addKeyClicks("srag");
        back.addKeyClick(Qt::Key_Backspace);
        back.addKeyClick(Qt::Key_Backspace);
        back.addKeyClicks("agb");
        QTest::newRow("Backspace takes back the last word")
            << five << back << "She reads a good book." << 1 << 0;
        QTestEventList escape;
        escape.addKeyClick('i');
        escape.addKeyClick(Qt::Key_Escape);
        escape.addKeyClick('s');
        QTest::newRow("Escape forgets the letters") << six << escape << " saw" << 0 << 0;
        QTestEventList refused;
        refused.addKeyClicks("xsragb");
        QTest::newRow("a letter no word has is refused")
            << five << refused << "She reads a good book." << 1 << 0;
        QTestEventList candidates;
        candidates.addKeyClick('i');
        QTest::newRow("several candidates: nothing chosen") << six << candidates << "" << 0 << 0;
    }
    void typingPicksWords()
    {
        QFETCH(QString, question);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, answer);
        QFETCH(int, correct);
        QFETCH(int, wrong);
        frmMain& w = open({question});
        Press(keys, w);
        QCOMPARE(w.Ui().Anser->toPlainText(), answer);
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, correct);
        QCOMPARE(p->m().QuestionTable[1].WrongCount, wrong);
    }

    // The candidates for the letters typed are shown, and only those.
    void candidatesAreShown()
    {
        frmMain& w = open({"I saw it in a box.\t私は箱の中にそれを見た。"});
        QTestEventList keys;
        keys.addKeyClick('i');
        Press(keys, w);
        QStringList shown;
        for (int i = 1; i < int(w.WordButtons().size()); ++i) {
            if (w.IsCandidate(i))
                shown << w.WordOf(i);
        }
        shown.sort();
        QCOMPARE(shown, (QStringList{" in", " it", "I"}));
        QCOMPARE(FaceOf(WordButton(w, "I")).name(), QString("#c0ffff")); // the state stays
    }

    // Typing into a text box types; it picks nothing.
    void textBoxesKeepTheirKeys()
    {
        frmMain& w = open({"She reads a good book.\t本"});
        w.Ui().Anser->setFocus();
        QTest::keyClicks(w.Ui().Anser, "sr");
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("sr"));
        QCOMPARE(WordsOnWindow(w).size(), 5);
        for (int i = 1; i < int(w.WordButtons().size()); ++i)
            QVERIFY(!w.WordUsed(i));
    }

    // Return goes on once the question is judged or given up, and not before.
    void returnGoesOn()
    {
        frmMain& w = open({"Go now.\t一", "Come here.\t二"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.Ui().Text1->text(), QString("1"));
        QTest::keyClicks(QApplication::focusWidget(), "gn");
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.Ui().Text1->text(), QString("2"));
        QCOMPARE(w.Ui().Quest->text(), QString("二"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(w.Ui().Anser->toPlainText(), QString("Come here."));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(w.Ui().Quest->text(), QString("一"));
    }

    // Three questions in each operation mode with keys alone.
    void studyWithKeysOnly_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("counts");
        QTestEventList words;
        for (const char* initials : {"gn", "ch", "st"}) {
            words.addKeyClicks(initials);
            words.addKeyClick(Qt::Key_Return);
        }
        QTest::newRow("word buttons") << 0 << words << "1/0 1/0 1/0";
        QTestEventList reveal;
        for (int i = 0; i < 6; ++i)
            reveal.addKeyClick(Qt::Key_Return); // 開始, then reveal and go on
        QTest::newRow("Japanese to English") << 1 << reveal << "0/0 0/0 0/0";
        QTestEventList english;
        for (int i = 0; i < 3; ++i)
            english.addKeyClick(Qt::Key_Return);
        QTest::newRow("English to Japanese") << 2 << english << "0/0 0/0 0/0";
    }
    void studyWithKeysOnly()
    {
        QFETCH(int, mode);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, counts);
        frmMain& w = open({"Go now.\t一", "Come here.\t二", "Sit there.\t三", "End.\t四"}, mode);
        QStringList seen;
        for (QTestEvent* e : keys) {
            QTestEventList one;
            one.append(e->clone());
            one.simulate(QApplication::focusWidget() ? QApplication::focusWidget() : &w);
            if (!seen.contains(w.Ui().Quest->text()))
                seen << w.Ui().Quest->text();
        }
        QVERIFY2(seen.contains(mode == 2 ? "Sit there." : "三"), qPrintable(seen.join(',')));
        QStringList got;
        for (int i = 1; i <= 3; ++i)
            got << QStringLiteral("%1/%2")
                       .arg(p->m().QuestionTable[i].CorrectCount)
                       .arg(p->m().QuestionTable[i].WrongCount);
        QCOMPARE(got.join(' '), counts);
        qInfo("%d keys for three questions", int(keys.size()));
    }

    // Every command is in the 学習 menu with its key, and its button says it.
    void studyMenu()
    {
        frmMain& w = open({"Go now.\t一"});
        QStringList rows;
        for (QAction* a : w.Ui().mnuStudy->actions()) {
            if (!a->isSeparator())
                rows << a->text() + '=' + a->shortcut().toString();
        }
        QCOMPARE(rows, (QStringList{"開始=F5", "チェック=F2", "次=PgDown", "前=PgUp",
                                    "クリア=Ctrl+L", "Give up=Ctrl+G", "読み上げ=F6",
                                    "正解後に読み上げる=", "声=", "速さ=", "学習状況=F7"}));
        QVERIFY(w.Ui().BNext->toolTip().contains("PgDown"));
        QVERIFY(w.Ui().BGiveup->toolTip().contains("Ctrl+G"));
        QCOMPARE(w.menuBar()->actions().size(), 2);
    }

    // The focus starts where the next key is needed, and it can be seen.
    void focusIsUsefulAndVisible()
    {
        frmMain& w = open({"Go now.\t一"});
        QCOMPARE(QApplication::focusWidget(), w.WordButtons()[1]);
        const QImage shot = w.WordButtons()[1]->grab().toImage();
        int dark = 0;
        for (int x = 0; x < shot.width(); ++x)
            dark += shot.pixel(x, 1) == FocusFrameColour;
        QVERIFY2(dark > shot.width() / 2, qPrintable(QString::number(dark)));
        const QImage other = w.Ui().BNext->grab().toImage();
        for (int x = 0; x < other.width(); ++x)
            QVERIFY(other.pixel(x, 1) != FocusFrameColour);

        p = std::make_unique<Program>();
        p->writeIni(SettingsFor(p->writeQuestions("q.txt", {"Go now.\t一"}), 1));
        frmMain& postcard = p->start();
        postcard.show();
        postcard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&postcard));
        QCOMPARE(QApplication::focusWidget(), postcard.Ui().BStart);
    }

    // Sentences beyond the designed grid: every button inside the window,
    // none overlapping, captions readable, and answerable by typing.
    void longSentencesFit_data()
    {
        QTest::addColumn<int>("words");
        QTest::newRow("33 words") << 33;
        QTest::newRow("60 words") << 60;
        QTest::newRow("100 words") << 100;
    }
    void longSentencesFit()
    {
        QFETCH(int, words);
        frmMain& w = open({LongSentence(words)});
        QCOMPARE(int(w.WordButtons().size()) - 1, words);
        const QRect client = w.centralWidget()->rect();
        const int buttonsTop = w.Ui().BNext->y();
        QList<QRect> placed;
        for (int i = 1; i <= words; ++i) {
            QPushButton* b = w.WordButtons()[i];
            QVERIFY(b->isVisible());
            const QRect r(b->mapTo(w.centralWidget(), QPoint(0, 0)), b->size());
            QVERIFY2(client.contains(r) && r.bottom() < buttonsTop,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(i).arg(r.x()).arg(r.y())));
            QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) <= r.width());
            QVERIFY(b->font().pointSizeF() >= 9);
            for (const QRect& o : placed)
                QVERIFY(!o.intersects(r));
            placed << r;
        }
        QVERIFY(!w.findChild<QScrollArea*>("wordArea"));
        QTestEventList keys;
        for (int i = 0; i < words; ++i)
            keys.addKeyClicks(QString(QChar('a' + i / 26)) + QChar('a' + i % 26));
        Press(keys, w);
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
    }

    // A sentence longer still scrolls within the word area; every word stays
    // reachable by typing.
    void veryLongSentenceScrolls()
    {
        frmMain& w = open({LongSentence(300)});
        auto* area = w.findChild<QScrollArea*>("wordArea");
        QVERIFY(area);
        QVERIFY(w.centralWidget()->rect().contains(area->geometry()));
        QTestEventList keys;
        for (int i = 0; i < 300; ++i)
            keys.addKeyClicks(QString(QChar('a' + i / 26)) + QChar('a' + i % 26));
        Press(keys, w);
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
