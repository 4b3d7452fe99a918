// 読み上げ: the English of the question read aloud, on request and, when the
// learner wants it, after each verdict. The choices live in the settings store.
#include "ui/SpeechController.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>

void frmMain::SetSpeaker(Speaker* replacement)
{
    speech->SetSpeaker(replacement);
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
    mnuStudySpeakAfter->setChecked(speech->AfterVerdict());
    connect(mnuStudySpeakAfter, &QAction::toggled, speech,
            [this](bool on) { speech->SetAfterVerdict(on); });

    // The voices are listed when the menu opens: the engine starts then, not
    // at start-up.
    mnuStudyVoice = mnuStudy->addMenu(QStringLiteral("声"));
    mnuStudyVoice->setObjectName(QStringLiteral("mnuStudyVoice"));
    connect(mnuStudyVoice, &QMenu::aboutToShow, this, [this] {
        mnuStudyVoice->clear();
        auto* group = new QActionGroup(mnuStudyVoice);
        const QStringList voices = speech->Voices();
        for (int i = 0; i < voices.size(); ++i) {
            QAction* a = mnuStudyVoice->addAction(voices[i]);
            a->setCheckable(true);
            a->setChecked(i == speech->Voice());
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, i] { speech->ChooseVoice(i); });
        }
        if (voices.isEmpty())
            mnuStudyVoice->addAction(Messages::NoEnglishVoice)->setEnabled(false);
    });

    mnuStudyRate = mnuStudy->addMenu(QStringLiteral("速さ"));
    mnuStudyRate->setObjectName(QStringLiteral("mnuStudyRate"));
    auto* rates = new QActionGroup(mnuStudyRate);
    const double stored = speech->Rate();
    for (const SpeechController::RateChoice& choice : SpeechController::Rates()) {
        QAction* a = mnuStudyRate->addAction(choice.caption);
        a->setCheckable(true);
        a->setChecked(qFuzzyCompare(1 + choice.rate, 1 + stored));
        rates->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, rate = choice.rate] { speech->ChooseRate(rate); });
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
    const bool available = speech->Available();
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
    if (speech->Speaking()) {
        speech->Stop();
        return;
    }
    if (!m.HoldsRecord(m.CurrentIndex) || Quest->text().isEmpty())
        return;
    speech->Say(EnglishPart(m.Current().Text));
}

void frmMain::SpeakAfterVerdict()
{
    if (!mnuStudySpeakAfter->isChecked() || !m.HoldsRecord(m.CurrentIndex))
        return;
    if (CheckSpeech())
        speech->Say(EnglishPart(m.Current().Text));
}
