// 読み上げ: the English of the question read aloud, on request and, when the
// learner wants it, after each verdict. The choices live in the settings store.
#include "ui/Speaker.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>

namespace {

const QString AfterKey = QStringLiteral("Speech/AfterVerdict");
const QString VoiceKey = QStringLiteral("Speech/Voice");
const QString RateKey = QStringLiteral("Speech/Rate");

struct RateChoice
{
    const char16_t* caption;
    double rate;
};
constexpr RateChoice Rates[] = {{u"ゆっくり", -0.4}, {u"少しゆっくり", -0.2}, {u"ふつう", 0.0}};

} // namespace

void frmMain::SetSpeaker(Speaker* replacement)
{
    if (speaker && speaker->parent() == this && speaker != replacement)
        delete speaker;
    speaker = replacement;
    connect(speaker, &Speaker::Changed, this, [this] { CheckSpeech(); });
    speaker->SetRate(store.value(RateKey, Rates[1].rate).toDouble());
}

void frmMain::BuildSpeechMenu()
{
    mnuStudy->addSeparator();
    mnuStudySpeak = mnuStudy->addAction(QStringLiteral("読み上げ"));
    mnuStudySpeak->setObjectName(QStringLiteral("mnuStudySpeak"));
    mnuStudySpeak->setShortcut(QKeySequence(Qt::Key_F6));
    connect(mnuStudySpeak, &QAction::triggered, this,
            [this] { Handle([this] { Speak_Click(); }); });

    mnuStudySpeakAfter = mnuStudy->addAction(QStringLiteral("正解後に読み上げる"));
    mnuStudySpeakAfter->setObjectName(QStringLiteral("mnuStudySpeakAfter"));
    mnuStudySpeakAfter->setCheckable(true);
    mnuStudySpeakAfter->setChecked(store.value(AfterKey, false).toBool());
    connect(mnuStudySpeakAfter, &QAction::toggled, this, [this](bool on) {
        store.setValue(AfterKey, on);
        store.sync();
    });

    // The voices are listed when the menu opens: the engine starts then, not
    // at start-up.
    mnuStudyVoice = mnuStudy->addMenu(QStringLiteral("声"));
    mnuStudyVoice->setObjectName(QStringLiteral("mnuStudyVoice"));
    connect(mnuStudyVoice, &QMenu::aboutToShow, this, [this] {
        mnuStudyVoice->clear();
        auto* group = new QActionGroup(mnuStudyVoice);
        const QStringList voices = speaker->Voices();
        for (int i = 0; i < voices.size(); ++i) {
            QAction* a = mnuStudyVoice->addAction(voices[i]);
            a->setCheckable(true);
            a->setChecked(i == speaker->Voice());
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, i, name = voices[i]] {
                speaker->SetVoice(i);
                store.setValue(VoiceKey, name);
                store.sync();
            });
        }
        if (voices.isEmpty())
            mnuStudyVoice->addAction(Messages::NoEnglishVoice)->setEnabled(false);
    });

    mnuStudyRate = mnuStudy->addMenu(QStringLiteral("速さ"));
    mnuStudyRate->setObjectName(QStringLiteral("mnuStudyRate"));
    auto* rates = new QActionGroup(mnuStudyRate);
    const double stored = store.value(RateKey, Rates[1].rate).toDouble();
    for (const RateChoice& choice : Rates) {
        QAction* a = mnuStudyRate->addAction(QString::fromUtf16(choice.caption));
        a->setCheckable(true);
        a->setChecked(qFuzzyCompare(1 + choice.rate, 1 + stored));
        rates->addAction(a);
        connect(a, &QAction::triggered, this, [this, rate = choice.rate] {
            speaker->SetRate(rate);
            store.setValue(RateKey, rate);
            store.sync();
        });
    }
    connect(mnuStudy, &QMenu::aboutToShow, this, [this] { CheckSpeech(); });

    mnuStudy->addSeparator();
    mnuStudyProgress = mnuStudy->addAction(QStringLiteral("学習状況"));
    mnuStudyProgress->setObjectName(QStringLiteral("mnuStudyProgress"));
    mnuStudyProgress->setShortcut(QKeySequence(Qt::Key_F7));
    connect(mnuStudyProgress, &QAction::triggered, this, [this] { StudyStatus_Click(); });

    // A small button in the free space between Give up and the number boxes.
    BSpeak = new QPushButton(QStringLiteral("読み上げ"), centralWidget());
    BSpeak->setObjectName(QStringLiteral("BSpeak"));
    BSpeak->setGeometry(TwipsRect(5880, 6480, 855, 375));
    BSpeak->setToolTip(QStringLiteral("読み上げ (F6)"));
    connect(BSpeak, &QPushButton::clicked, this, [this] { Handle([this] { Speak_Click(); }); });
}

bool frmMain::CheckSpeech()
{
    const bool available = speaker->Available();
    if (available && !voiceRestored) {
        // The voice chosen in an earlier run, once the engine has listed its own.
        voiceRestored = true;
        const int stored = speaker->Voices().indexOf(store.value(VoiceKey).toString());
        if (stored >= 0)
            speaker->SetVoice(stored);
    }
    if (mnuStudySpeak->isEnabled() == available)
        return available;
    mnuStudySpeak->setEnabled(available);
    BSpeak->setEnabled(available);
    const QString tip = available ? QStringLiteral("読み上げ (F6)") : Messages::NoEnglishVoice;
    mnuStudySpeak->setToolTip(tip);
    BSpeak->setToolTip(tip);
    if (!available)
        sbStatusBar->showMessage(Messages::NoEnglishVoice, 8000);
    return available;
}

void frmMain::Speak_Click()
{
    if (!CheckSpeech())
        return;
    if (speaker->Speaking()) {
        speaker->Stop();
        return;
    }
    if (!m.HoldsRecord(m.CurrentIndex) || Quest->text().isEmpty())
        return;
    speaker->Say(EnglishPart(m.Current().Text));
}

void frmMain::SpeakAfterVerdict()
{
    if (!mnuStudySpeakAfter->isChecked() || !m.HoldsRecord(m.CurrentIndex))
        return;
    if (CheckSpeech())
        speaker->Say(EnglishPart(m.Current().Text));
}
