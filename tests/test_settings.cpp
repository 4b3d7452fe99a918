// The 17 settings lines of english.ini: taking them and writing them back.
#include "TestSupport.h"
#include "store/IniFile.h"
#include "store/Settings.h"
#include "store/TextFile.h"

#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void writtenWithInitialValues()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        QCOMPARE(IniFile(ini).WriteSettings(AppSettings{}), IniResult::Done);
        QCOMPARE(ReadBytes(ini), QByteArray(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                            " 0 \r\n 0 \r\n"));
    }

    void integerPrintForm_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << " 0 ";
        QTest::newRow("one") << 1 << " 1 ";
        QTest::newRow("minus one") << -1 << "-1 ";
        QTest::newRow("large") << 32767 << " 32767 ";
    }
    void integerPrintForm()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(FormatSettingsInteger(value), text);
        QCOMPARE(ParseInt16(text), std::optional<int>(value));
    }

    // Empty, missing, non-numeric and out-of-range integer lines keep the value
    // the field had; text lines take the whole line.
    void taking_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("operationMode");
        QTest::addColumn<int>("displayMode");
        QTest::addColumn<QString>("questionFile");
        QTest::addColumn<int>("showCorrect");
        QStringList full = SettingsFor("/q/file one.txt", 2, 1);
        full[0] = " 1 ";
        QTest::newRow("all lines") << full << 2 << 1 << "/q/file one.txt" << 1;
        QStringList empty = full;
        empty[0] = "";
        empty[15] = "";
        QTest::newRow("empty lines keep") << empty << 7 << 1 << "/q/file one.txt" << 7;
        QStringList junk = full;
        junk[0] = "yes";
        junk[15] = " 99999 ";
        junk[16] = "1.5";
        QTest::newRow("not numbers keep") << junk << 7 << 7 << "/q/file one.txt" << 7;
        QTest::newRow("short file") << QStringList{" 1 ", " 0 "} << 7 << 7 << "" << 1;
        QTest::newRow("history only file")
            << QStringList{"History (", "0: /q/a.txt", "1: 0", "2: 0", ")History", "/x"} << 7 << 7
            << "" << 7;
    }
    void taking()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, operationMode);
        QFETCH(int, displayMode);
        QFETCH(QString, questionFile);
        QFETCH(int, showCorrect);
        AppSettings s;
        s.OperationMode = Operation{7};
        s.DisplayMode = DisplayFilter{7};
        s.ShowCorrectMessage = 7;
        TakeSettings(LinesOf(lines), int(lines.size()), s);
        QCOMPARE(int(s.OperationMode), operationMode);
        QCOMPARE(int(s.DisplayMode), displayMode);
        QCOMPARE(s.QuestionFile, questionFile);
        QCOMPARE(s.ShowCorrectMessage, showCorrect);
    }

    void roundTrip()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        AppSettings s;
        s.ShowGiveupMessage = 1;
        s.LimitQuestionCount = 1;
        s.QuestionFile = QStringLiteral("/home/花子/英語 1.txt");
        s.JapaneseFontName = QStringLiteral("Noto Sans CJK JP");
        s.JapaneseFontSize = QStringLiteral("10.5");
        s.OperationMode = static_cast<Operation>(1);
        s.DisplayMode = static_cast<DisplayFilter>(2);
        QCOMPARE(IniFile(ini).WriteSettings(s), IniResult::Done);
        TextLines lines;
        int count = 0;
        ReadTextFile(ini, lines, count);
        QCOMPARE(count, 17);
        AppSettings back;
        TakeSettings(lines, count, back);
        QVERIFY(back == s);
    }

    // Every line from 18 on is kept; a file that a history save made before any
    // settings existed keeps its section whole.
    void rewriteKeepsHistory_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("kept");
        const QStringList section{"History (", "0: /q/a.txt",    "1: 1",
                                  "2: 3",      "3: 1 1 3 0 2 0", ")History"};
        QTest::newRow("after settings") << SettingsFor("/q/a.txt") + section << section;
        QTest::newRow("history only") << section << section;
        QTest::newRow("settings only") << SettingsFor("/q/a.txt") << QStringList{};
        QTest::newRow("short settings") << QStringList{" 1 ", " 1 "} << QStringList{};
    }
    void rewriteKeepsHistory()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, kept);
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        AppSettings s;
        s.QuestionFile = "/q/b.txt";
        WriteBytes(ini, CrLf(before));
        IniFile file(ini);
        file.Read();
        QCOMPARE(file.WriteSettings(s), IniResult::Done);
        QCOMPARE(ReadBytes(ini), CrLf(SettingsLines(s) + kept));
    }

    void failedWriteLeavesFile()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        WriteBytes(ini, "old\r\n");
        bool written = true;
        {
            WriteBlock block(dir.path(), ini);
            written = IniFile(ini).WriteSettings(AppSettings{}) == IniResult::Done;
        }
        QVERIFY(!written);
        QCOMPARE(ReadBytes(ini), QByteArray("old\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
