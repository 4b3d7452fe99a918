// The study history in english.ini: finding a file's section, restoring it,
// saving it in place and clearing it, without ever touching another section.
#include "TestSupport.h"
#include "answer/Shuffle.h"
#include "quiz/Selection.h"
#include "store/History.h"
#include "store/IniFile.h"
#include "store/TextFile.h"

#include <QRandomGenerator>
#include <QtTest>
#include <list>

namespace {

// Three lines: two questions around an empty line; lengths 5 and 3.
const QStringList ThreeLines{"ab\tcd", "", "x\ty"};

// The records view their lines, which live as long as the test does.
QuestionList Table(const QStringList& lines)
{
    static std::list<TextLines> kept;
    kept.push_back(LinesOf(lines));
    QuestionList t;
    BuildQuestionRecords(kept.back(), int(lines.size()), t);
    return t;
}

// A summary in words, for comparing lists of them.
QString Described(const SectionSummary& s)
{
    return QStringLiteral("%1: %2 questions, %3 lines, %4 tried, %5 correct")
        .arg(s.path)
        .arg(s.questions)
        .arg(s.lines)
        .arg(s.tried)
        .arg(s.correctAtLeastOnce);
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    // A section is a file's only when the whole path after "0: " is the same,
    // character for character: Q.txt and q.txt, かな and カナ are two files.
    void sectionMatch_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<bool>("found");
        QTest::newRow("same") << "/q/a.txt"
                              << "/q/a.txt" << true;
        QTest::newRow("other case") << "/Q/A.TXT"
                                    << "/q/a.txt" << false;
        QTest::newRow("full width") << QStringLiteral("/ｑ/a.txt") << "/q/a.txt" << false;
        QTest::newRow("katakana for hiragana")
            << QStringLiteral("/q/カナ.txt") << QStringLiteral("/q/かな.txt") << false;
        QTest::newRow("half-width katakana")
            << QStringLiteral("/q/ｶﾅ.txt") << QStringLiteral("/q/カナ.txt") << false;
        QTest::newRow("prefix of another path") << "/q/a.txt.old"
                                                << "/q/a.txt" << false;
        QTest::newRow("empty path") << "/q/a.txt"
                                    << "" << false;
        QTest::newRow("other folder, same name") << "/r/a.txt"
                                                 << "/q/a.txt" << false;
    }
    void sectionMatch()
    {
        QFETCH(QString, stored);
        QFETCH(QString, wanted);
        QFETCH(bool, found);
        const TextLines lines = LinesOf(SettingsFor("x") + Section(stored, {}, 0, 0));
        QCOMPARE(FindSection(lines, int(lines.size() - 1), wanted).start > 0, found);
    }

    void sectionWithoutClosingLineIsBounded()
    {
        const QStringList file =
            SettingsFor("x") +
            QStringList{"History (", "0: /q/a.txt", "1: 1", "2: 5", "3: 1 1 5 0 1 0"} +
            Section("/q/b.txt", {"1 1 3 0 0 0"}, 1, 3);
        const TextLines lines = LinesOf(file);
        const SectionBounds b = FindSection(lines, int(file.size()), "/q/a.txt");
        QCOMPARE(b.start, 18);
        QCOMPARE(b.end, 22); // up to the next section, not into it
        const SectionBounds last = FindSection(lines, int(file.size()), "/q/b.txt");
        QCOMPARE(last.end, int(file.size()));
    }

    void merge_data()
    {
        QTest::addColumn<QStringList>("section");
        QTest::addColumn<bool>("hasSection");
        QTest::addColumn<QList<int>>("correct");
        QTest::addColumn<QList<int>>("wrong");
        const QStringList good{"1 1 5 4 2 1", "2 0 0 0 0 0", "3 2 3 0 0 3"};
        QTest::newRow("matching") << Section("/q/a.txt", good, 2, 8) << true << QList<int>{2, 0, 0}
                                  << QList<int>{1, 0, 3};
        QTest::newRow("count differs") << Section("/q/a.txt", good, 3, 8) << true
                                       << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("total differs") << Section("/q/a.txt", good, 2, 9) << true
                                       << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("no section") << Section("/q/other.txt", good, 2, 8) << false
                                    << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("short section") << Section("/q/a.txt", {"1 1 5 0 4 0"}, 2, 8) << true
                                       << QList<int>{4, 0, 0} << QList<int>{0, 0, 0};
        // A damaged record line loses its own counters and no others.
        QTest::newRow("record with too few fields")
            << Section("/q/a.txt", {"1 1 5 0 4 0", "2 0", "3 2 3 0 1 1"}, 2, 8) << true
            << QList<int>{4, 0, 1} << QList<int>{0, 0, 1};
        QTest::newRow("not a number")
            << Section("/q/a.txt", {"1 1 5 0 x 0", "2 0 0 0 0 0", "3 2 3 0 1 1"}, 2, 8) << true
            << QList<int>{0, 0, 1} << QList<int>{0, 0, 1};
        QTest::newRow("counter out of range")
            << Section("/q/a.txt", {"1 1 5 0 40000 7", "2 0 0 0 0 0", "3 2 3 0 1 1"}, 2, 8) << true
            << QList<int>{0, 0, 1} << QList<int>{0, 0, 1};
        QTest::newRow("hand-edited 99999 among good counts")
            << Section("/q/a.txt", {"1 1 5 0 6 2", "2 0 0 0 0 0", "3 2 3 0 99999 1"}, 2, 8) << true
            << QList<int>{6, 0, 0} << QList<int>{2, 0, 0};
        QTest::newRow("negative counter among good counts")
            << Section("/q/a.txt", {"1 1 5 0 6 -5", "2 0 0 0 0 0", "3 2 3 0 3 1"}, 2, 8) << true
            << QList<int>{0, 0, 3} << QList<int>{0, 0, 1};
        // Any run of blanks separates two fields: no field shifts into another.
        QTest::newRow("two blanks after the marker")
            << Section("/q/a.txt", {" 1 1 5 0 4 2", "2 0 0 0 0 0", "3 2 3 0 1 1"}, 2, 8) << true
            << QList<int>{4, 0, 1} << QList<int>{2, 0, 1};
        QTest::newRow("runs of blanks between fields")
            << Section("/q/a.txt", {"1  1 5 0   4 2 ", "2 0 0 0 0 0", "3 2 3\t0 1 1"}, 2, 8) << true
            << QList<int>{4, 0, 1} << QList<int>{2, 0, 1};
        QTest::newRow("fingerprint not a number")
            << Section("/q/a.txt", good, 2, 8).replaceInStrings("2: 8", "2: eight") << true
            << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    }
    // A file with no section of its own takes that of a file of the same name
    // in another folder, when the fingerprint matches: its folder was moved.
    void movedFolder_data()
    {
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<bool>("hasSection");
        QTest::addColumn<QString>("movedFrom");
        QTest::addColumn<int>("firstCorrect");
        const QStringList good{"1 1 5 0 2 1", "2 0 0 0 0 0", "3 2 3 0 0 3"};
        const QStringList other{"1 1 5 0 7 0", "2 0 0 0 0 0", "3 2 3 0 0 0"};
        QTest::newRow("moved") << Section("/old/place/a.txt", good, 2, 8) << true
                               << "/old/place/a.txt" << 2;
        QTest::newRow("moved from a Windows path")
            << Section("C:\\study\\a.txt", good, 2, 8) << true << "C:\\study\\a.txt" << 2;
        QTest::newRow("same name, other fingerprint")
            << Section("/old/place/a.txt", good, 3, 8) << false << "" << 0;
        QTest::newRow("other name, same fingerprint")
            << Section("/old/place/b.txt", good, 2, 8) << false << "" << 0;
        QTest::newRow("a name that only ends the same")
            << Section("/old/place/xa.txt", good, 2, 8) << false << "" << 0;
        QTest::newRow("its own section first")
            << Section("/old/place/a.txt", other, 2, 8) + Section("/q/a.txt", good, 2, 8) << true
            << "" << 2;
        QTest::newRow("the first that matches")
            << Section("/one/a.txt", good, 3, 8) + Section("/two/a.txt", other, 2, 8) +
                   Section("/three/a.txt", good, 2, 8)
            << true << "/two/a.txt" << 7;
    }
    void movedFolder()
    {
        QFETCH(QStringList, sections);
        QFETCH(bool, hasSection);
        QFETCH(QString, movedFrom);
        QFETCH(int, firstCorrect);
        const TextLines ini = LinesOf(SettingsFor("/q/a.txt") + sections);
        QuestionList t = Table(ThreeLines);
        QString from;
        QCOMPARE(MergeHistory(ini, int(ini.size() - 1), "/q/a.txt", t, 3, &from), hasSection);
        QCOMPARE(from, movedFrom);
        QCOMPARE(t[1].CorrectCount, firstCorrect);
        // Without asking for it, only the file's own section counts.
        QuestionList plain = Table(ThreeLines);
        QCOMPARE(MergeHistory(ini, int(ini.size() - 1), "/q/a.txt", plain, 3),
                 hasSection && movedFrom.isEmpty());
    }

    // The merge reads only its own section and trusts no damaged line.
    void merge()
    {
        QFETCH(QStringList, section);
        QFETCH(bool, hasSection);
        QFETCH(QList<int>, correct);
        QFETCH(QList<int>, wrong);
        const TextLines ini =
            LinesOf(SettingsFor("/q/a.txt") + section + Section("/q/z.txt", {"9 9 9 9 9 9"}, 1, 9));
        QuestionList t = Table(ThreeLines);
        QCOMPARE(MergeHistory(ini, int(ini.size() - 1), "/q/a.txt", t, 3), hasSection);
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(t[i].CorrectCount, correct[i - 1]);
            QCOMPARE(t[i].WrongCount, wrong[i - 1]);
        }
    }

    // Lines of other files' sections go back as they were, whatever ended them
    // in the file (CR LF, LF, CR, or nothing at the very end); the file is
    // written with CR LF throughout.
    void otherLinesKeptWhateverTheirLineEnds_data()
    {
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<bool>("finalEnd");
        QTest::newRow("CR LF") << QByteArray("\r\n") << true;
        QTest::newRow("LF") << QByteArray("\n") << true;
        QTest::newRow("CR") << QByteArray("\r") << true;
        QTest::newRow("LF, no end on the last line") << QByteArray("\n") << false;
    }
    void otherLinesKeptWhateverTheirLineEnds()
    {
        QFETCH(QByteArray, separator);
        QFETCH(bool, finalEnd);
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QStringList settings = SettingsFor("/q/a.txt");
        const QStringList before = Section("/q/first.txt", {"1 1 4 0 1 1", "2 2 3 0 0 7"}, 2, 7);
        const QStringList after = Section("/q/last.txt", {"1 1 2 0 0 5"}, 1, 2);
        // The section to replace stands between the two.
        const QStringList old =
            Section("/q/a.txt", {"1 1 5 0 9 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8);
        QByteArray bytes =
            (settings + before + old + after).join(QString::fromLatin1(separator)).toUtf8();
        if (finalEnd)
            bytes += separator;
        WriteBytes(ini, bytes);
        QuestionList t = Table(ThreeLines);
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/a.txt", t, 3), IniResult::Done);
        const QStringList expected =
            settings + before +
            Section("/q/a.txt", {"1 1 5 0 0 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8) + after;
        QCOMPARE(ReadBytes(ini), CrLf(expected));
        QVERIFY(file.Lines() == LinesOf(expected));
        // Clearing carries them the same way.
        WriteBytes(ini, bytes);
        IniFile again(ini);
        QCOMPARE(again.ClearHistory("/q/a.txt", t, 3), IniResult::Done);
        QCOMPARE(ReadBytes(ini), CrLf(settings + before + after));
    }

    void saveAppendsThenReplacesInPlace()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QStringList before = Section("/q/first.txt", {"1 1 4 0 1 1"}, 1, 4);
        const QStringList after = Section("/q/last.txt", {"1 1 2 0 0 5"}, 1, 2);
        const QStringList settings = SettingsFor("/q/a.txt");
        WriteBytes(ini, CrLf(settings + before));
        QuestionList t = Table(ThreeLines);
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/a.txt", t, 3), IniResult::Done);
        QCOMPARE(ReadBytes(ini),
                 CrLf(settings + before +
                      Section("/q/a.txt", {"1 1 5 0 0 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8)));

        // Another section after it; then save again with new counts.
        WriteBytes(ini, ReadBytes(ini) + CrLf(after));
        t[3].CorrectCount = 2;
        t[1].WrongCount = 1;
        t[1].Reserved = 4;
        QCOMPARE(file.SaveHistory("/q/a.txt", t, 3), IniResult::Done);
        const QStringList expected =
            settings + before +
            Section("/q/a.txt", {"1 1 5 4 0 1", "2 0 0 0 0 0", "3 2 3 0 2 0"}, 2, 8) + after;
        QCOMPARE(ReadBytes(ini), CrLf(expected));
        QVERIFY(file.Lines() == LinesOf(expected)); // the lines in memory are the file's
        QCOMPARE(file.Count(), int(expected.size()));
    }

    // A section that lost its closing line is replaced whole and the file does
    // not grow by copies of itself.
    void saveOverOpenSectionDoesNotGrow()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QStringList tail = Section("/q/b.txt", {"1 1 3 0 0 0"}, 1, 3);
        WriteBytes(ini,
                   CrLf(SettingsFor("/q/a.txt") +
                        QStringList{"History (", "0: /q/a.txt", "1: 2", "2: 8", "3: 1 1 5 0 1 0"} +
                        tail));
        QuestionList t = Table(ThreeLines);
        IniFile file(ini);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(file.SaveHistory("/q/a.txt", t, 3), IniResult::Done);
        QCOMPARE(ReadBytes(ini),
                 CrLf(SettingsFor("/q/a.txt") +
                      Section("/q/a.txt", {"1 1 5 0 0 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8) +
                      tail));
    }

    // A path that holds a marker's text is only a path: its section still ends
    // at its own closing line.
    void markerTextInAPath()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QString odd = "/q/)History History (/a.txt";
        const QStringList after = Section("/q/b.txt", {"1 1 3 0 1 1"}, 1, 3);
        WriteBytes(ini, CrLf(SettingsFor(odd) + after));
        QuestionList t = Table(ThreeLines);
        t[1].CorrectCount = 1;
        IniFile file(ini);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(file.SaveHistory(odd, t, 3), IniResult::Done);
        QCOMPARE(ReadBytes(ini),
                 CrLf(SettingsFor(odd) + after +
                      Section(odd, {"1 1 5 0 1 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8)));
        QuestionList back = Table(ThreeLines);
        QVERIFY(file.MergeHistory(odd, back, 3));
        QCOMPARE(back[1].CorrectCount, 1);
    }

    void saveOfEmptyPathTouchesNoOtherSection()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QStringList before = SettingsFor("") + Section("/q/a.txt", {"1 1 5 0 3 0"}, 1, 5);
        WriteBytes(ini, CrLf(before));
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("", QuestionList(1), 0), IniResult::Done);
        QCOMPARE(ReadBytes(ini), CrLf(before + Section("", {}, 0, 0)));
    }

    void saveCreatesMissingFile()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        QuestionList t = Table({"a\tb"});
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/a.txt", t, 1), IniResult::Done);
        QCOMPARE(ReadBytes(ini), CrLf(Section("/q/a.txt", {"1 1 3 0 0 0"}, 1, 3)));
    }

    void saveSkippedForMissingQuestionFile()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        WriteBytes(ini, "keep\r\n");
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/a.txt", QuestionList(1), -1), IniResult::Done);
        QCOMPARE(ReadBytes(ini), QByteArray("keep\r\n"));
    }

    // A shuffled table is written in line order, and it comes back.
    void shuffledTableSavedInLineOrder()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        QStringList questions;
        for (int i = 1; i <= 30; ++i)
            questions << QStringLiteral("w%1\tj").arg(i);
        QuestionList t = Table(questions);
        for (int i = 1; i <= 30; ++i)
            t[i].CorrectCount = i;
        ShuffleQuestions(30, t);
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/a.txt", t, 30), IniResult::Done);
        for (int k = 1; k <= 30; ++k)
            QVERIFY(file.Lines()[4 + k].startsWith(QStringLiteral("3: %1 %1 ").arg(k)));
        QuestionList back = Table(questions);
        QVERIFY(file.MergeHistory("/q/a.txt", back, 30));
        for (int i = 1; i <= 30; ++i)
            QCOMPARE(back[i].CorrectCount, i);
    }

    void clear()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QStringList settings = SettingsFor("/q/a.txt");
        const QStringList other = Section("/q/b.txt", {"1 1 3 0 2 2"}, 1, 3);
        const QStringList mine =
            Section("/q/a.txt", {"1 1 5 0 1 1", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8);
        WriteBytes(ini, CrLf(settings + other + mine + other));
        QuestionList t = Table(ThreeLines);
        t[1].CorrectCount = 3;
        t[1].WrongCount = 2;
        t[1].Reserved = 9;
        IniFile file(ini);
        QCOMPARE(file.ClearHistory("/q/a.txt", t, 3), IniResult::Done);
        QCOMPARE(ReadBytes(ini), CrLf(settings + other + other));
        QCOMPARE(t[1].CorrectCount, 0);
        QCOMPARE(t[1].WrongCount, 0);
        QCOMPARE(t[1].Reserved, 9);

        // Without a section the file stays byte for byte.
        const QByteArray now = ReadBytes(ini);
        QCOMPARE(file.ClearHistory("/q/never.txt", t, 3), IniResult::Done);
        QCOMPARE(ReadBytes(ini), now);
    }

    // A file or folder that cannot be written keeps the old english.ini byte for
    // byte, and the caller learns it.
    void failedWritesLeaveFile_data()
    {
        QTest::addColumn<bool>("fileOnly");
        QTest::addColumn<bool>("clear");
        QTest::newRow("read-only file, save") << true << false;
        QTest::newRow("read-only folder, save") << false << false;
        QTest::newRow("read-only folder, clear") << false << true;
    }
    void failedWritesLeaveFile()
    {
        QFETCH(bool, fileOnly);
        QFETCH(bool, clear);
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QByteArray old =
            CrLf(SettingsFor("/q/a.txt") +
                 Section("/q/a.txt", {"1 1 5 0 1 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8));
        WriteBytes(ini, old);
        QuestionList t = Table(ThreeLines);
        t[1].CorrectCount = 5;
        IniFile file(ini);
        IniResult result = IniResult::Done;
        {
            WriteBlock block(dir.path(), fileOnly ? ini : QString());
            result =
                clear ? file.ClearHistory("/q/a.txt", t, 3) : file.SaveHistory("/q/a.txt", t, 3);
        }
        QCOMPARE(result, IniResult::Unwritable);
        QCOMPARE(ReadBytes(ini), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"english.ini"});
    }

    // A file that exists but cannot be read is never replaced by one built from
    // nothing.
    void unreadableFileIsNotOverwritten()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        QDir(dir.path()).mkdir("english.ini");
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/a.txt", Table(ThreeLines), 3), IniResult::Unreadable);
        QVERIFY(QFileInfo(ini).isDir());
    }

    // Editing a question without changing its length keeps the history; adding a
    // word starts it afresh.
    void fingerprint()
    {
        const TextLines ini =
            LinesOf(Section("/q/a.txt", {"1 1 5 0 3 0", "2 0 0 0 0 0", "3 2 3 0 0 0"}, 2, 8));
        QuestionList same = Table({"ab\tcX", "", "x\ty"});
        QVERIFY(MergeHistory(ini, int(ini.size() - 1), "/q/a.txt", same, 3));
        QCOMPARE(same[1].CorrectCount, 3);
        QuestionList longer = Table({"ab c\tcd", "", "x\ty"});
        QVERIFY(MergeHistory(ini, int(ini.size() - 1), "/q/a.txt", longer, 3));
        QCOMPARE(longer[1].CorrectCount, 0);
    }

    // The summary of every section says for each file what summarising its
    // section alone says: files of one name in several folders, sections that
    // lost their ")History" line, damaged record lines and stray lines between
    // sections among them. A second section under a path already listed is
    // never the file's history and is listed with nothing read from it.
    void summaryOfManySections()
    {
        QRandomGenerator random(20260120);
        auto pick = [&](const QStringList& from) {
            return from[int(random.bounded(quint32(from.size())))];
        };
        const QStringList opens{"History (", "history (", "  History ( "};
        const QStringList closes{")History", " )HISTORY ", ")history"};
        const QStringList damaged{
            "3: 1 1 5 0 x 0", "3: 1 1 5 0 -1 0", "3: 1 1 5", "3: 1 1 5 0 2 99999999999", "",
            "junk",           "History ("};
        const QStringList strays{"", "; a note", "3: 1 1 5 0 1 1"};
        QStringList file = SettingsFor("/f0/q0.txt");
        QStringList expected, paths;
        for (int k = 0; k < 400; ++k) {
            // Forty file names, each in folders of its own; now and then a
            // path that only begins like another, or one already used.
            QString path = QStringLiteral("/f%1/q%2.txt").arg(k / 40).arg(k % 40);
            if (k % 37 == 5)
                path += ".old";
            const bool repeated = k % 53 == 52;
            if (repeated)
                path = paths[int(random.bounded(quint32(paths.size())))];
            paths << path;
            QStringList block{pick(opens), "0: " + path,
                              random.bounded(10) == 0 ? "1: many" : QStringLiteral("1: %1").arg(k),
                              "2: 100"};
            const int records = int(random.bounded(12));
            for (int r = 1; r <= records; ++r) {
                if (random.bounded(5) == 0)
                    block << pick(damaged);
                else
                    block << QStringLiteral("3: %1 %1 5 0 %2 %3")
                                 .arg(r)
                                 .arg(random.bounded(3))
                                 .arg(random.bounded(3));
            }
            if (random.bounded(6) != 0)
                block << pick(closes);
            // Stray lines after a section that lost its end are its records.
            for (int n = int(random.bounded(3)); n > 0; --n)
                block << pick(strays);
            const std::vector<SectionSummary> alone =
                SummarizeSections(LinesOf(block), int(block.size()));
            QCOMPARE(alone.size(), size_t(1));
            expected << (repeated ? Described(SectionSummary{path}) : Described(alone[0]));
            file << block;
        }
        QStringList summarized;
        for (const SectionSummary& s : SummarizeSections(LinesOf(file), int(file.size())))
            summarized << Described(s);
        QCOMPARE(summarized, expected);
    }

    // More than 32767 lines of english.ini are kept whole.
    void largeIniIsNeverCut()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        QStringList big;
        for (int i = 1; i <= 40000; ++i)
            big << QStringLiteral("w%1\tj").arg(i);
        QuestionList t = Table(big);
        IniFile file(ini);
        QCOMPARE(file.SaveHistory("/q/big.txt", t, 40000), IniResult::Done);
        QCOMPARE(file.SaveHistory("/q/small.txt", Table(ThreeLines), 3), IniResult::Done);
        QStringList lines;
        int count = 0;
        ReadTextFile(ini, lines, count);
        QCOMPARE(count, 40005 + 8);
        QCOMPARE(lines[count], QString(")History"));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
