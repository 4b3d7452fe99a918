#include "ui/SpeechController.h"

#include "ui/Speaker.h"

#include <QSettings>

namespace {

const QString AfterKey = QStringLiteral("Speech/AfterVerdict");
const QString VoiceKey = QStringLiteral("Speech/Voice");
const QString RateKey = QStringLiteral("Speech/Rate");
// A little slower than the engine's own pace suits a learner.
constexpr double DefaultRate = -0.2;

} // namespace

SpeechController::SpeechController(QSettings& settingsStore, QObject* parent)
    : QObject(parent), store(settingsStore)
{
    SetSpeaker(new QtSpeaker(this));
}

void SpeechController::SetSpeaker(Speaker* replacement)
{
    if (speaker && speaker->parent() == this && speaker != replacement)
        delete speaker;
    speaker = replacement;
    connect(speaker, &Speaker::Changed, this, &SpeechController::Changed);
    speaker->SetRate(Rate());
}

bool SpeechController::Available()
{
    const bool available = speaker->Available();
    if (available && !voiceRestored) {
        // The voice chosen in an earlier run, once the engine has listed its own.
        voiceRestored = true;
        const int stored = speaker->Voices().indexOf(store.value(VoiceKey).toString());
        if (stored >= 0)
            speaker->SetVoice(stored);
    }
    return available;
}

QStringList SpeechController::Voices() const
{
    return speaker->Voices();
}

int SpeechController::Voice() const
{
    return speaker->Voice();
}

void SpeechController::ChooseVoice(int index)
{
    speaker->SetVoice(index);
    store.setValue(VoiceKey, speaker->Voices().value(index));
    store.sync();
}

std::vector<SpeechController::RateChoice> SpeechController::Rates()
{
    return {{QStringLiteral("ゆっくり"), -0.4},
            {QStringLiteral("少しゆっくり"), DefaultRate},
            {QStringLiteral("ふつう"), 0.0}};
}

double SpeechController::Rate() const
{
    return store.value(RateKey, DefaultRate).toDouble();
}

void SpeechController::ChooseRate(double rate)
{
    speaker->SetRate(rate);
    store.setValue(RateKey, rate);
    store.sync();
}

bool SpeechController::AfterVerdict() const
{
    return store.value(AfterKey, false).toBool();
}

void SpeechController::SetAfterVerdict(bool on)
{
    store.setValue(AfterKey, on);
    store.sync();
}

void SpeechController::Say(const QString& english)
{
    speaker->Say(english);
}

void SpeechController::Stop()
{
    speaker->Stop();
}

bool SpeechController::Speaking() const
{
    return speaker->Speaking();
}
