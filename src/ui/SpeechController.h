#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QSettings;
class Speaker;

// 読み上げ's engine and the learner's choices for it (voice, speed, speaking
// after a verdict), kept in the settings store. The window builds the menus and
// routes the commands; this owns what they change.
class SpeechController : public QObject
{
    Q_OBJECT

public:
    struct RateChoice
    {
        QString caption;
        double rate;
    };

    SpeechController(QSettings& store, QObject* parent);

    // Puts an engine in (tests use their own); one this made goes.
    void SetSpeaker(Speaker* replacement);

    // Whether an English voice can speak now. Once one can, the voice chosen
    // in an earlier run is taken again.
    bool Available();
    QStringList Voices() const;
    int Voice() const;
    void ChooseVoice(int index);
    static std::vector<RateChoice> Rates();
    double Rate() const;
    void ChooseRate(double rate);
    bool AfterVerdict() const;
    void SetAfterVerdict(bool on);

    void Say(const QString& english);
    void Stop();
    bool Speaking() const;

signals:
    // The engine's state changed: whether it is available may have too.
    void Changed();

private:
    QSettings& store;
    Speaker* speaker = nullptr;
    bool voiceRestored = false;
};
