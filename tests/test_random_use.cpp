// Random use of the real window: generated question files and english.ini files,
// then a long seeded run of random actions on every control, with the invariants
// checked after each. QUILLMERE_RANDOM_ACTIONS sets the number of actions,
// QUILLMERE_RANDOM_SEED replays a run; a failing run prints its seed.
#include "TestSupport.h"
#include "store/History.h"
#include "store/TextFile.h"
#include "ui/Options.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTextEdit>
#include <QtTest>

namespace {

QString RandomWord(QRandomGenerator& r)
{
    static const QStringList words{"I",    "am",   "fine.",    "you",   "Ｆｕｌｌ", "かな",
                                   "カナ", "a&b",  "<b>x</b>", "don't", "",         " ",
                                   "ｶﾀｶﾅ", "漢字", "x\ty",     "end."};
    return words[r.bounded(int(words.size()))];
}

QString RandomLine(QRandomGenerator& r)
{
    switch (r.bounded(10)) {
    case 0:
        return QString();
    case 1:
        return QStringLiteral("no tab at all");
    case 2:
        return QStringLiteral("\tonly Japanese");
    case 3:
        return QStringLiteral("two\ttabs\there");
    case 4:
        return QString(r.bounded(200, 400), QLatin1Char('w')) + QStringLiteral(" long\t長い");
    default: {
        QString s = r.bounded(4) == 0 ? QStringLiteral(" ") : QString();
        const int n = r.bounded(1, 60);
        for (int i = 0; i < n; ++i)
            s += (i ? (r.bounded(8) == 0 ? "  " : " ") : "") + RandomWord(r);
        return s + QStringLiteral("\t日本語の文です。");
    }
    }
}

QByteArray RandomQuestionFile(QRandomGenerator& r)
{
    QString text;
    const int n = r.bounded(0, 40);
    for (int i = 0; i < n; ++i)
        text += RandomLine(r) + (r.bounded(5) == 0 ? "\n" : "\r\n");
    if (r.bounded(2) == 0)
        return text.toUtf8();
    QStringEncoder sjis("windows-31j");
    return sjis(text);
}

QStringList RandomIni(QRandomGenerator& r, const QStringList& questionFiles)
{
    QStringList s = SettingsFor(questionFiles[r.bounded(int(questionFiles.size()))], r.bounded(4),
                                r.bounded(4));
    s[0] = r.bounded(2) ? " 1 " : " 0 ";
    s[4] = r.bounded(2) ? " 1 " : "junk";
    if (r.bounded(4) == 0)
        s[15] = "99999";
    for (const QString& q : questionFiles) {
        if (r.bounded(2))
            continue;
        s << "History ("
          << "0: " + q << "1: " + QString::number(r.bounded(5)) << "2: x";
        for (int k = 1; k < r.bounded(1, 10); ++k)
            s << QStringLiteral("3: %1 1 5 0 %2 %3").arg(k).arg(r.bounded(3)).arg(r.bounded(3));
        if (r.bounded(3))
            s << ")History";
    }
    switch (r.bounded(4)) {
    case 0:
        return s.mid(0, r.bounded(int(s.size()) + 1)); // cut short
    case 1:
        s.insert(r.bounded(int(s.size())), QStringLiteral("garbage \x01 line"));
        return s;
    default:
        return s;
    }
}

} // namespace

class TestRandomUse : public QObject
{
    Q_OBJECT

    QRandomGenerator r;
    std::unique_ptr<Program> p;
    QStringList questionFiles;
    int actions = 0;
    int restarts = 0;

    QString anyFile()
    {
        switch (r.bounded(6)) {
        case 0:
            return QString(); // cancelled
        case 1:
            return p->path("missing.txt");
        case 2:
            return p->dir.path(); // a folder
        default:
            return questionFiles[r.bounded(int(questionFiles.size()))];
        }
    }

    void click(QWidget* w)
    {
        if (w && w->isVisible() && w->isEnabled())
            QTest::mouseClick(w, Qt::LeftButton);
    }

    void scriptDialogs()
    {
        p->dialogs.files.clear();
        p->dialogs.files.push_back(anyFile());
        p->dialogs.fonts.clear();
        if (r.bounded(2)) {
            QFont f("Noto Sans CJK JP");
            f.setPointSizeF(r.bounded(6, 30) / 2.0);
            p->dialogs.fonts.push_back(f);
        }
        p->dialogs.confirms.clear();
        p->dialogs.confirms.push_back(r.bounded(2) == 0);
        p->dialogs.saveChoices.clear();
        p->dialogs.saveChoices.push_back(SaveChoice(r.bounded(3)));
        p->dialogs.lastSaveChoice.reset();
    }

    void act(frmMain& w)
    {
        scriptDialogs();
        Options* o = w.OptionsWindow();
        const int what = r.bounded(o && o->isVisible() ? 30 : 22);
        switch (what) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5: {
            if (w.WordButtons().size() > 1)
                click(w.WordButtons()[1 + r.bounded(int(w.WordButtons().size() - 1))]);
            break;
        }
        case 6:
            click(w.Ui().BStart);
            break;
        case 7:
            click(w.Ui().BCheck);
            break;
        case 8:
        case 9:
            click(w.Ui().BNext);
            break;
        case 10:
            click(w.Ui().BBack);
            break;
        case 11:
            click(w.Ui().BClear);
            break;
        case 12:
            click(w.Ui().BGiveup);
            break;
        case 13:
            if (r.bounded(4) == 0)
                click(w.Ui().BExit);
            break;
        case 14:
            w.Ui().mnuFileOpen->trigger();
            break;
        case 15:
            w.Ui().Mazeru->trigger();
            break;
        case 16:
            w.Ui().FileSetting->trigger();
            break;
        case 17:
            if (r.bounded(4) == 0)
                w.Ui().mnuFileExit->trigger();
            break;
        case 18: {
            // Typed, or for text beyond ASCII as an input method would hand it over.
            const QString word = RandomWord(r);
            bool ascii = true;
            for (QChar c : word)
                ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7F;
            if (ascii)
                QTest::keyClicks(w.Ui().Anser, word);
            else
                w.Ui().Anser->insertPlainText(word);
            break;
        }
        case 19: {
            // Typed over what the box held: non-numbers, huge numbers, nothing.
            static const QStringList texts{"", "3", "0", "-5", "abc", "99999999999", "1e3", " 7 "};
            w.Ui().Text2->selectAll();
            QTest::keyClick(w.Ui().Text2, Qt::Key_Backspace);
            QTest::keyClicks(w.Ui().Text2, texts[r.bounded(int(texts.size()))]);
            break;
        }
        case 20:
            if (r.bounded(8) == 0)
                w.close();
            break;
        case 21:
            if (r.bounded(2) == 0) {
                w.Ui().Anser->clear();
            } else {
                // Keys as the keyboard sends them: to the widget with the focus.
                static const QList<int> keys{Qt::Key_A,      Qt::Key_I,         Qt::Key_S,
                                             Qt::Key_Period, Qt::Key_Space,     Qt::Key_Return,
                                             Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_PageDown,
                                             Qt::Key_PageUp, Qt::Key_F2,        Qt::Key_F5};
                QWidget* target = QApplication::focusWidget();
                QTest::keyClick(target && target->window() == &w ? target : &w,
                                Qt::Key(keys[r.bounded(int(keys.size()))]));
            }
            break;
        // The options dialog, when it is open.
        case 22:
            click(o->Check1[r.bounded(3)]);
            break;
        case 23:
            click(QList<QRadioButton*>{o->Option1, o->Option2, o->Option3, o->Option4, o->Option5,
                                       o->Option6}[r.bounded(6)]);
            break;
        case 24:
            click(QList<QPushButton*>{o->ButtonFquest, o->ButtonFseikai, o->ButtonFzannen,
                                      o->ButtonFgiveup}[r.bounded(4)]);
            break;
        case 25:
            click(QList<QPushButton*>{o->BTFontWABUN, o->BTFontEnglish,
                                      o->BTFontComment}[r.bounded(3)]);
            break;
        case 26:
            click(o->ButtonClearHistory);
            break;
        case 27:
            click(o->ButtonOK);
            break;
        case 28:
            click(o->ButtonChange);
            break;
        case 29:
            r.bounded(2) ? click(o->ButtonCancel) : (void)o->close();
            break;
        }
    }

    void checkInvariants(frmMain& w)
    {
        const Module1& m = p->m();
        int onWindow = 0;
        // A long sentence may put its buttons in a scrolling word area.
        for (auto* b : w.centralWidget()->findChildren<QPushButton*>()) {
            if (b->objectName().startsWith("Words_") && b != w.WordButtons()[0])
                ++onWindow;
        }
        if (m.WordButtonCount == 0)
            QCOMPARE(onWindow, 0);
        else
            QCOMPARE(onWindow, m.WordButtonCount - 1);
        QVERIFY(!w.WordButtons()[0]->isVisible());
        // Within the table or one past it; a missing file keeps the table before it.
        const int records = std::max({m.QuestionLineCount, int(m.QuestionTable.size()) - 1, 0});
        QVERIFY2(
            m.CurrentIndex >= 0 && m.CurrentIndex <= records + 1,
            qPrintable(
                QStringLiteral("index %1 of %2").arg(m.CurrentIndex).arg(m.QuestionLineCount)));
        for (size_t i = 1; i < m.QuestionTable.size(); ++i) {
            QVERIFY(m.QuestionTable[i].CorrectCount >= 0 &&
                    m.QuestionTable[i].CorrectCount <= 32767);
            QVERIFY(m.QuestionTable[i].WrongCount >= 0 && m.QuestionTable[i].WrongCount <= 32767);
        }
    }

    // english.ini never gains a second section for a file, and every section
    // ends before the next one starts.
    void checkIniWellFormed()
    {
        TextLines lines;
        int count = 0;
        if (ReadTextFile(p->ini(), lines, count) != ReadStatus::Ok)
            return;
        QSet<QString> seen;
        for (int i = 1; i <= count; ++i) {
            if (!IsSectionStart(lines, count, i))
                continue;
            const QString path = lines[i + 1].mid(3).toString();
            QVERIFY2(!seen.contains(path), qPrintable("two sections for " + path));
            seen.insert(path);
            const SectionBounds b = FindSection(lines, count, path);
            QCOMPARE(b.start, i);
            for (int j = i + 1; j <= b.end; ++j)
                QVERIFY(!IsSectionStart(lines, count, j));
        }
    }

private slots:
    void initTestCase() { PrepareApplication(); }

    void randomUse()
    {
        const quint32 seed = qEnvironmentVariableIsSet("QUILLMERE_RANDOM_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("QUILLMERE_RANDOM_SEED"))
                                 : QRandomGenerator::global()->generate();
        const int total = qEnvironmentVariableIsSet("QUILLMERE_RANDOM_ACTIONS")
                              ? qEnvironmentVariableIntValue("QUILLMERE_RANDOM_ACTIONS")
                              : 3000;
        qInfo("seed %u, %d actions (replay with QUILLMERE_RANDOM_SEED=%u)", seed, total, seed);
        r.seed(seed);
        p = std::make_unique<Program>();
        for (int i = 0; i < 6; ++i) {
            const QString f = p->path(QStringLiteral("q%1.txt").arg(i));
            WriteBytes(f, RandomQuestionFile(r));
            questionFiles << f;
        }
        questionFiles << p->path("not-there.txt") << "abc";
        p->writeIni(RandomIni(r, questionFiles));
        frmMain* w = &p->start();
        w->show();
        for (actions = 0; actions < total; ++actions) {
            act(*w);
            if (QTest::currentTestFailed())
                break;
            QCoreApplication::processEvents();
            if (!w->isVisible()) {
                // Ended or closed: no count is lost unless the user chose 保存しない.
                const Module1& m = p->m();
                if (p->dialogs.lastSaveChoice != SaveChoice::Discard && m.HasHistory())
                    QCOMPARE(CountsOnDisk(p->ini(), m.LoadedQuestionFile), CountsInMemory(m));
                if (QTest::currentTestFailed())
                    break;
                // Start again on the same folder, now and then with a new
                // english.ini, as a user would.
                ++restarts;
                checkIniWellFormed();
                if (r.bounded(3) == 0)
                    p->writeIni(RandomIni(r, questionFiles));
                w = &p->start();
                w->show();
            }
            checkInvariants(*w);
            if (QTest::currentTestFailed())
                break;
        }
        if (QTest::currentTestFailed())
            qWarning("failed after %d actions; replay with QUILLMERE_RANDOM_SEED=%u", actions,
                     seed);
        checkIniWellFormed();
        qInfo("%d actions, %d restarts", actions, restarts);
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
