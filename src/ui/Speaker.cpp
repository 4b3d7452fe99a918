#include "ui/Speaker.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>

namespace {

QList<QVoice> EnglishVoices(QTextToSpeech& speech)
{
    QList<QVoice> out;
    // Prefer the locales learners hear most, then any English one.
    QList<QLocale> locales = speech.availableLocales();
    std::stable_sort(locales.begin(), locales.end(), [](const QLocale& a, const QLocale& b) {
        auto rank = [](const QLocale& l) {
            return l.territory() == QLocale::UnitedStates    ? 0
                   : l.territory() == QLocale::UnitedKingdom ? 1
                                                             : 2;
        };
        return rank(a) < rank(b);
    });
    for (const QLocale& locale : locales) {
        if (locale.language() != QLocale::English)
            continue;
        speech.setLocale(locale);
        for (const QVoice& v : speech.availableVoices()) {
            if (!out.contains(v))
                out << v;
        }
    }
    return out;
}

} // namespace

QtSpeaker::QtSpeaker(QObject* parent) : Speaker(parent) {}

QtSpeaker::~QtSpeaker() = default;

void QtSpeaker::Start()
{
    if (started)
        return;
    started = true;
    QStringList engines = QTextToSpeech::availableEngines();
    // The in-process engine needs no service running.
    std::stable_sort(engines.begin(), engines.end(), [](const QString& a, const QString& b) {
        return (a == QLatin1String("flite")) > (b == QLatin1String("flite"));
    });
    for (const QString& name : engines) {
        auto* candidate = new QTextToSpeech(name, this);
        if (candidate->state() != QTextToSpeech::Error) {
            const QList<QVoice> voices = EnglishVoices(*candidate);
            if (!voices.isEmpty()) {
                speech = candidate;
                for (const QVoice& v : voices)
                    voiceNames << v.name();
                speech->setVoice(voices.first());
                break;
            }
        }
        delete candidate;
    }
    if (!speech) {
        failed = true;
        return;
    }
    SetVoice(voice);
    speech->setRate(rate);
    connect(speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        // No audio output shows as an error on the first word: speech is off.
        if (state == QTextToSpeech::Error)
            failed = true;
        emit Changed();
    });
}

bool QtSpeaker::Available()
{
    Start();
    return !failed && speech;
}

void QtSpeaker::Say(const QString& text)
{
    if (!Available())
        return;
    speech->say(text);
}

void QtSpeaker::Stop()
{
    if (speech)
        speech->stop();
}

bool QtSpeaker::Speaking() const
{
    return speech && speech->state() == QTextToSpeech::Speaking;
}

QStringList QtSpeaker::Voices()
{
    Start();
    return voiceNames;
}

void QtSpeaker::SetVoice(int index)
{
    if (index < 0 || index >= voiceNames.size())
        return;
    voice = index;
    if (!speech)
        return;
    const QList<QVoice> voices = EnglishVoices(*speech);
    for (const QVoice& v : voices) {
        if (v.name() == voiceNames[index]) {
            speech->setVoice(v);
            break;
        }
    }
}

void QtSpeaker::SetRate(double r)
{
    rate = r;
    if (speech)
        speech->setRate(r);
}
