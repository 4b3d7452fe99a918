// The reader every text file goes through, and the question records built from it.
#include "TestSupport.h"
#include "store/Questions.h"
#include "store/TextFile.h"

#include <QStringEncoder>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\r\nb\nc") << QStringList{"a", "", "b", "c"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("final line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("NUL bytes")
            << QByteArray("a\0b\r\nc", 6) << QStringList{QString("a") + QChar(0) + "b", "c"};
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        WriteBytes(dir.filePath("f.txt"), bytes);
        QStringList read{"old"};
        int count = 99;
        QCOMPARE(ReadTextFile(dir.filePath("f.txt"), read, count), ReadStatus::Ok);
        QCOMPARE(count, lines.size());
        QCOMPARE(read, FromOne(lines));
    }

    // Whatever cannot be read as a file gives -1 and leaves the list alone; a
    // FIFO or a device is never opened, so nothing blocks or reads forever.
    void notAFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::newRow("missing") << "missing" << int(ReadStatus::Missing);
        QTest::newRow("empty path") << "empty" << int(ReadStatus::Missing);
        QTest::newRow("folder") << "folder" << int(ReadStatus::Unreadable);
        QTest::newRow("fifo") << "fifo" << int(ReadStatus::Unreadable);
        QTest::newRow("dev zero") << "devzero" << int(ReadStatus::Unreadable);
        QTest::newRow("symlink loop") << "loop" << int(ReadStatus::Missing);
        QTest::newRow("no permission") << "noperm" << int(ReadStatus::Unreadable);
    }
    void notAFile()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QTemporaryDir dir;
        QString path = dir.filePath("x");
        if (kind == "empty")
            path.clear();
        else if (kind == "folder")
            QDir(dir.path()).mkdir("x");
        else if (kind == "fifo")
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        else if (kind == "devzero")
            path = "/dev/zero";
        else if (kind == "loop") {
            QCOMPARE(symlink(qPrintable(dir.filePath("y")), qPrintable(path)), 0);
            QCOMPARE(symlink(qPrintable(path), qPrintable(dir.filePath("y"))), 0);
        } else if (kind == "noperm") {
            if (geteuid() == 0)
                QSKIP("root reads every file");
            WriteBytes(path, "a\r\n");
            chmod(qPrintable(path), 0);
        }
        QStringList lines = FromOne({"kept"});
        int count = 1;
        QCOMPARE(int(ReadTextFile(path, lines, count)), status);
        QCOMPARE(count, -1);
        QCOMPARE(lines, FromOne({"kept"}));
    }

    // Files from a Japanese Windows system and files written here read alike.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray sjis =
            "I am fine.\x09\x8E\x84\x82\xCD\x8C\xB3\x8B\x43\x82\xC5\x82\xB7\x81\x42\r\n"
            "\xB6\xC0\xB6\xC5\x87\x40\r\n";
        const QByteArray utf8 = QStringLiteral("I am fine.\t私は元気です。\r\nｶﾀｶﾅ①\r\n").toUtf8();
        QTest::newRow("Shift_JIS") << sjis;
        QTest::newRow("UTF-8") << utf8;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + utf8;
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        WriteBytes(dir.filePath("q.txt"), bytes);
        QStringList lines;
        int count = 0;
        ReadTextFile(dir.filePath("q.txt"), lines, count);
        QCOMPARE(lines,
                 FromOne({QStringLiteral("I am fine.\t私は元気です。"), QStringLiteral("ｶﾀｶﾅ①")}));
        QuestionList table;
        const TextLines text = LinesOf(lines.mid(1));
        BuildQuestionRecords(text, count, table);
        QCOMPARE(table[1].Length, 18);
        QCOMPARE(SumQuestionLengths(table, count), 23);
    }

    // The encoding is decided by the file as a whole: a few bad bytes in UTF-8
    // stay substitutes where they stand, and Shift_JIS still reads as Shift_JIS
    // when some of its bytes happen to form UTF-8.
    void encodingOfTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        const QStringList sentences{
            QStringLiteral("I am fine.\t私は元気です。"),
            QStringLiteral("Good morning, everyone.\t皆さん、おはようございます。"),
            QStringLiteral("Where is the station?\t駅はどこですか？"),
            QStringLiteral("It is raining today.\t今日は雨が降っています。"),
            QStringLiteral("Thank you very much.\tどうもありがとうございます。")};
        auto utf8 = [](const QStringList& lines) {
            QByteArray out;
            for (const QString& l : lines)
                out += l.toUtf8() + "\r\n";
            return out;
        };
        auto sjis = [](const QStringList& lines) {
            QStringEncoder enc("windows-31j");
            QByteArray out;
            for (const QString& l : lines)
                out += QByteArray(enc(l)) + "\r\n";
            return out;
        };
        QByteArray oneBad = utf8(sentences);
        oneBad.insert(oneBad.indexOf("station") + 7, '\xFF');
        QStringList oneBadLines = sentences;
        oneBadLines[2] = QStringLiteral("Where is the station\uFFFD?\t駅はどこですか？");
        QTest::newRow("UTF-8 with one bad byte") << oneBad << oneBadLines;
        const QString line = QStringLiteral("I am fine.\t私は元気です。");
        QTest::newRow("one line of UTF-8 with a bad byte")
            << QByteArray(line.toUtf8() + "\xFF\r\n") << QStringList{line + QChar(0xFFFD)};
        QTest::newRow("Shift_JIS") << sjis(sentences) << sentences;
        QTest::newRow("one line of Shift_JIS") << sjis({line}) << QStringList{line};
        // ﾃ｡ is C3 A1 in Shift_JIS, which is also "á" in UTF-8.
        const QStringList withPair = QStringList{QStringLiteral("Te.\tﾃ｡")} + sentences.mid(0, 3);
        QTest::newRow("Shift_JIS holding a UTF-8 sequence") << sjis(withPair) << withPair;
        // The encoding is told by the whole file, not by a head of plain ASCII.
        QStringList ascii;
        for (int i = 1; i <= 300; ++i)
            ascii << QStringLiteral("Line %1 of the lesson.\tline %1").arg(i);
        QStringDecoder strayDecoder("windows-31j", QStringDecoder::Flag::Stateless);
        const QString stray = strayDecoder(QByteArray("\xFF"));
        // ﾃ｡ﾃ｡ﾃ｡ are three UTF-8 characters in Shift_JIS bytes.
        const QStringList japanese{QStringLiteral("Tea.\tﾃ｡ﾃ｡ﾃ｡"),
                                   QStringLiteral("I am fine.\t私は元気です。")};
        QTest::newRow("Shift_JIS after 300 ASCII lines, one stray byte")
            << sjis(ascii) + sjis(japanese) + "x\xFF\r\n"
            << ascii + japanese + QStringList{"x" + stray};
        const QString genki = QStringLiteral("I am fine.\tげんき");
        QTest::newRow("short UTF-8 with one bad byte")
            << QByteArray(genki.toUtf8() + "\xFF") << QStringList{genki + QChar(0xFFFD)};
    }
    void encodingOfTheWholeFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        WriteBytes(dir.filePath("q.txt"), bytes);
        QStringList lines;
        int count = 0;
        QCOMPARE(ReadTextFile(dir.filePath("q.txt"), lines, count), ReadStatus::Ok);
        QCOMPARE(lines, FromOne(expected));
    }

    // A BOM inside the text is a character wherever the reader splits its
    // work: the text is the same as that of one decode of the whole file.
    void bomInsideTheText_data()
    {
        QTest::addColumn<int>("before");
        for (int n = 65533; n <= 65537; ++n)
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void bomInsideTheText()
    {
        QFETCH(int, before);
        QTemporaryDir dir;
        const QByteArray bytes = QByteArray(before, 'a') + "\xEF\xBB\xBFzz\r\nb\xC3\xA9\r\n";
        WriteBytes(dir.filePath("q.txt"), bytes);
        QStringList lines;
        int count = 0;
        QCOMPARE(ReadTextFile(dir.filePath("q.txt"), lines, count), ReadStatus::Ok);
        QCOMPARE(count, 2);
        QCOMPARE(lines[1], QString(before, u'a') + QChar(0xFEFF) + "zz");
        QCOMPARE(lines[2], QStringLiteral("bé"));
    }

    // Broken bytes never stop the reader; each line is still one record.
    void invalidBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("bad Shift_JIS") << QByteArray("a\x81\r\n\xFF\xFE\x80\r\nz\x82");
        QTest::newRow("bad UTF-8") << QByteArray("\xEF\xBB\xBF"
                                                 "a\xC3\r\n\xFF\r\nz\xE3\x81");
    }
    void invalidBytes()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        WriteBytes(dir.filePath("bad.txt"), bytes);
        QStringList lines;
        int count = 0;
        QCOMPARE(ReadTextFile(dir.filePath("bad.txt"), lines, count), ReadStatus::Ok);
        QCOMPARE(count, 3);
        QVERIFY(lines[1].startsWith('a'));
        QVERIFY(lines[3].startsWith('z'));
        QVERIFY(lines[3].size() >= 2); // a character cut off at the end is not dropped
    }

    void questionRecords()
    {
        const TextLines lines = LinesOf({"I am fine.\t私は元気です。", "", "\tだれ？", "a\tb\tc"});
        QuestionList table;
        BuildQuestionRecords(lines, 4, table);
        QCOMPARE(int(table.size()), 5);
        const int numbers[] = {1, 0, 2, 3};
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(table[i].LineNo, i);
            QCOMPARE(table[i].Number, numbers[i - 1]);
            QCOMPARE(table[i].Text.toString(), lines[i].toString());
            QCOMPARE(table[i].Text.data(), lines[i].data()); // a view, no copy
        }
        QCOMPARE(CountQuestions(table, 4), 3);
        QCOMPARE(SumQuestionLengths(table, 4), 18 + 4 + 5);
        QCOMPARE(EnglishPart(table[3].Text), QString());
        QCOMPARE(JapanesePart(table[4].Text), QString("b\tc"));
        QCOMPARE(EnglishPart(u"no tab"), QString("no tab"));
    }

    void limits()
    {
        QStringList many;
        for (int i = 0; i < MaxQuestionLines; ++i)
            many << "a\tb";
        QCOMPARE(CheckQuestionLines(LinesOf(many), MaxQuestionLines), QuestionFileCheck::Ok);
        many << "a\tb";
        QCOMPARE(CheckQuestionLines(LinesOf(many), MaxQuestionLines + 1),
                 QuestionFileCheck::TooManyLines);
        const TextLines longLine =
            LinesOf({QString(MaxLineLength, 'x'), QString(MaxLineLength + 1, 'x')});
        QCOMPARE(CheckQuestionLines(longLine, 1), QuestionFileCheck::Ok);
        QCOMPARE(CheckQuestionLines(longLine, 2), QuestionFileCheck::LineTooLong);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
