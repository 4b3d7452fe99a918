#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QTextToSpeech;

// Reads English aloud. The window talks to this seam only, so tests can stand
// in for the speech engine.
class Speaker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether an English voice can speak; may start the engine the first time.
    virtual bool Available() = 0;
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;
    virtual bool Speaking() const = 0;
    // The English voices found, and the one in use (an index into them).
    virtual QStringList Voices() = 0;
    virtual int Voice() const = 0;
    virtual void SetVoice(int index) = 0;
    // -1 (slowest) to 0 (normal).
    virtual void SetRate(double rate) = 0;

signals:
    // Speaking started or ended, or the engine failed (Available() then says so).
    void Changed();
};

// The engine: Qt's text to speech, made on first use, with the first engine
// that has an English voice (the in-process one first, then the desktop's
// speech service).
class QtSpeaker : public Speaker
{
    Q_OBJECT

public:
    explicit QtSpeaker(QObject* parent = nullptr);
    ~QtSpeaker() override;

    bool Available() override;
    void Say(const QString& text) override;
    void Stop() override;
    bool Speaking() const override;
    QStringList Voices() override;
    int Voice() const override { return voice; }
    void SetVoice(int index) override;
    void SetRate(double rate) override;

private:
    void Start();

    bool started = false;
    bool failed = false;
    QTextToSpeech* speech = nullptr;
    QStringList voiceNames;
    int voice = 0;
    double rate = 0;
};
