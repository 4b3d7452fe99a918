// 読み上げ: which English is spoken when, stopping, the option after a
// verdict kept in the settings store, the disabled state without a voice, and
// the real engine where one loads.
#include "TestSupport.h"
#include "ui/Speaker.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QtTest>

namespace {

class FakeSpeaker : public Speaker
{
public:
    bool available = true;
    bool speaking = false;
    QStringList said;
    int stops = 0;
    int voice = 0;

    bool Available() override { return available; }
    void Say(const QString& text) override
    {
        said << text;
        speaking = true;
    }
    void Stop() override
    {
        ++stops;
        speaking = false;
    }
    bool Speaking() const override { return speaking; }
    QStringList Voices() override { return {"slt", "rms"}; }
    int Voice() const override { return voice; }
    void SetVoice(int index) override { voice = index; }
    void SetRate(double) override {}
};

const QStringList Two{"I am fine.\t私は元気です。", "Good night.\tおやすみなさい。"};

} // namespace

class TestSpeech : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> p;
    std::unique_ptr<FakeSpeaker> speaker;

    frmMain& open(int mode, bool afterVerdict = false)
    {
        p = std::make_unique<Program>();
        p->writeIni(SettingsFor(p->writeQuestions("q.txt", Two), mode));
        p->store->setValue("Speech/AfterVerdict", afterVerdict);
        frmMain& w = p->start();
        speaker = std::make_unique<FakeSpeaker>();
        w.SetSpeaker(speaker.get());
        w.show();
        return w;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void cleanup()
    {
        p.reset();
        speaker.reset();
    }

    // 読み上げ speaks the English of the question on display, in every mode,
    // before or after it is answered.
    void speaksTheQuestion_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("word buttons, before answering")
            << 0 << false << false << QStringList{"I am fine."};
        QTest::newRow("word buttons, after answering")
            << 0 << false << true << QStringList{"I am fine."};
        QTest::newRow("Japanese to English, nothing shown yet")
            << 1 << false << false << QStringList{};
        QTest::newRow("Japanese to English") << 1 << true << false << QStringList{"I am fine."};
        QTest::newRow("Japanese to English, revealed")
            << 1 << true << true << QStringList{"I am fine."};
        QTest::newRow("English to Japanese") << 2 << true << false << QStringList{"I am fine."};
    }
    void speaksTheQuestion()
    {
        QFETCH(int, mode);
        QFETCH(bool, start);
        QFETCH(bool, answer);
        QFETCH(QStringList, said);
        frmMain& w = open(mode);
        if (start)
            QTest::mouseClick(w.Ui().BStart, Qt::LeftButton);
        if (answer) {
            if (mode == 0)
                Answer(w, true);
            else
                QTest::mouseClick(w.Ui().BCheck, Qt::LeftButton);
        }
        QCOMPARE(speaker->said, QStringList()); // the option is off
        w.Ui().mnuStudySpeak->trigger();
        QCOMPARE(speaker->said, said);
    }

    // Pressed again while speaking, it stops; a move to another question stops.
    void stopping()
    {
        frmMain& w = open(0);
        QTest::mouseClick(w.Ui().BSpeak, Qt::LeftButton);
        QCOMPARE(speaker->said.size(), 1);
        QTest::mouseClick(w.Ui().BSpeak, Qt::LeftButton);
        QVERIFY(!speaker->speaking);
        QCOMPARE(speaker->said.size(), 1);
        w.Ui().mnuStudySpeak->trigger();
        QVERIFY(speaker->speaking);
        QTest::mouseClick(w.Ui().BNext, Qt::LeftButton);
        QVERIFY(!speaker->speaking);
        QCOMPARE(w.Ui().Quest->text(), QString("おやすみなさい。"));
    }

    // With 正解後に読み上げる on: after a right answer, a give-up and a reveal;
    // never after a wrong answer, and nothing with it off.
    void afterTheVerdict_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("spoken");
        for (const bool on : {true, false}) {
            const QString tag = on ? " (on)" : " (off)";
            QTest::newRow(qPrintable("right answer" + tag)) << 0 << "right" << on << int(on);
            QTest::newRow(qPrintable("wrong answer" + tag)) << 0 << "wrong" << on << 0;
            QTest::newRow(qPrintable("give up" + tag)) << 0 << "giveup" << on << int(on);
            QTest::newRow(qPrintable("reveal" + tag)) << 1 << "reveal" << on << int(on);
        }
    }
    void afterTheVerdict()
    {
        QFETCH(int, mode);
        QFETCH(QString, what);
        QFETCH(bool, on);
        QFETCH(int, spoken);
        frmMain& w = open(mode, on);
        QCOMPARE(w.Ui().mnuStudySpeakAfter->isChecked(), on);
        if (what == "right" || what == "wrong")
            Answer(w, what == "right");
        else if (what == "giveup")
            QTest::mouseClick(w.Ui().BGiveup, Qt::LeftButton);
        else {
            QTest::mouseClick(w.Ui().BStart, Qt::LeftButton);
            QTest::mouseClick(w.Ui().BCheck, Qt::LeftButton);
        }
        QCOMPARE(speaker->said.size(), spoken);
        if (spoken)
            QCOMPARE(speaker->said.first(), QString("I am fine."));
    }

    // Without an English voice 読み上げ is disabled and says why; nothing else
    // changes.
    void disabledWithoutAVoice()
    {
        frmMain& w = open(0, true);
        speaker->available = false;
        w.Ui().mnuStudySpeak->trigger();
        QVERIFY(!w.Ui().mnuStudySpeak->isEnabled());
        QVERIFY(!w.Ui().BSpeak->isEnabled());
        QCOMPARE(w.Ui().BSpeak->toolTip(), QString("英語の音声がありません"));
        QCOMPARE(w.Ui().sbStatusBar->currentMessage(), QString("英語の音声がありません"));
        Answer(w, true);
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 1);
        QCOMPARE(speaker->said, QStringList());
    }

    // The choices live in the settings store and survive a restart; english.ini
    // stays byte for byte.
    void choicesSurviveARestart()
    {
        frmMain& w = open(0);
        const QByteArray ini = ReadBytes(p->ini());
        w.Ui().mnuStudySpeakAfter->setChecked(true);
        w.Ui().mnuStudyRate->actions().first()->trigger(); // ゆっくり
        w.close();
        frmMain& again = p->start();
        QVERIFY(again.Ui().mnuStudySpeakAfter->isChecked());
        QVERIFY(again.Ui().mnuStudyRate->actions().first()->isChecked());
        QCOMPARE(p->store->value("Speech/Rate").toDouble(), -0.4);
        QCOMPARE(ReadBytes(p->ini()), ini);
    }

    // The real engine, where one loads here: it lists an English voice, and
    // say() reaches the speaking state or reports an error without blocking.
    void realEngine()
    {
        QtSpeaker engine;
        const QStringList voices = engine.Voices();
        if (voices.isEmpty())
            QSKIP("no speech engine with an English voice on this machine");
        qInfo("voices %s", qPrintable(voices.join(',')));
        QVERIFY(engine.Available());
        QSignalSpy changed(&engine, &Speaker::Changed);
        engine.Say("I am fine.");
        QTRY_VERIFY_WITH_TIMEOUT(engine.Speaking() || !engine.Available() || changed.count() > 0,
                                 10000);
        qInfo("after say(): %s", engine.Speaking()    ? "speaking"
                                 : engine.Available() ? "done"
                                                      : "error (no audio output here)");
        engine.Stop();
    }
};

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
