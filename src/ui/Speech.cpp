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
    ui.mnuStudy->addSeparator();
    ui.mnuStudySpeak = ui.mnuStudy->addAction(QStringLiteral("読み上げ"));
    ui.mnuStudySpeak->setObjectName(QStringLiteral("mnuStudySpeak"));
    ui.mnuStudySpeak->setShortcut(QKeySequence(Qt::Key_F6));
    connect(ui.mnuStudySpeak, &QAction::triggered, this,
            [this] { Handle([this] { Speak_Click(); }); });

    ui.mnuStudySpeakAfter = ui.mnuStudy->addAction(QStringLiteral("正解後に読み上げる"));
    ui.mnuStudySpeakAfter->setObjectName(QStringLiteral("mnuStudySpeakAfter"));
    ui.mnuStudySpeakAfter->setCheckable(true);
    ui.mnuStudySpeakAfter->setChecked(speech->AfterVerdict());
    connect(ui.mnuStudySpeakAfter, &QAction::toggled, speech,
            [this](bool on) { speech->SetAfterVerdict(on); });

    // The voices are listed when the menu opens: the engine starts then, not
    // at start-up.
    ui.mnuStudyVoice = ui.mnuStudy->addMenu(QStringLiteral("声"));
    ui.mnuStudyVoice->setObjectName(QStringLiteral("mnuStudyVoice"));
    connect(ui.mnuStudyVoice, &QMenu::aboutToShow, this, [this] {
        ui.mnuStudyVoice->clear();
        auto* group = new QActionGroup(ui.mnuStudyVoice);
        const QStringList voices = speech->Voices();
        for (int i = 0; i < voices.size(); ++i) {
            QAction* a = ui.mnuStudyVoice->addAction(voices[i]);
            a->setCheckable(true);
            a->setChecked(i == speech->Voice());
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, i] { speech->ChooseVoice(i); });
        }
        if (voices.isEmpty())
            ui.mnuStudyVoice->addAction(Messages::NoEnglishVoice)->setEnabled(false);
    });

    ui.mnuStudyRate = ui.mnuStudy->addMenu(QStringLiteral("速さ"));
    ui.mnuStudyRate->setObjectName(QStringLiteral("mnuStudyRate"));
    auto* rates = new QActionGroup(ui.mnuStudyRate);
    const double stored = speech->Rate();
    for (const SpeechController::RateChoice& choice : SpeechController::Rates()) {
        QAction* a = ui.mnuStudyRate->addAction(choice.caption);
        a->setCheckable(true);
        a->setChecked(qFuzzyCompare(1 + choice.rate, 1 + stored));
        rates->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, rate = choice.rate] { speech->ChooseRate(rate); });
    }
    connect(ui.mnuStudy, &QMenu::aboutToShow, this, [this] { CheckSpeech(); });

    ui.mnuStudy->addSeparator();
    ui.mnuStudyProgress = ui.mnuStudy->addAction(QStringLiteral("学習状況"));
    ui.mnuStudyProgress->setObjectName(QStringLiteral("mnuStudyProgress"));
    ui.mnuStudyProgress->setShortcut(QKeySequence(Qt::Key_F7));
    connect(ui.mnuStudyProgress, &QAction::triggered, this, [this] { StudyStatus_Click(); });

    // A small button in the free space between Give up and the number boxes.
    ui.BSpeak = new QPushButton(QStringLiteral("読み上げ"), centralWidget());
    ui.BSpeak->setObjectName(QStringLiteral("BSpeak"));
    ui.BSpeak->setGeometry(TwipsRect(5880, 6480, 855, 375));
    ui.BSpeak->setToolTip(QStringLiteral("読み上げ (F6)"));
    connect(ui.BSpeak, &QPushButton::clicked, this, [this] { Handle([this] { Speak_Click(); }); });
}

bool frmMain::CheckSpeech()
{
    const bool available = speech->Available();
    if (ui.mnuStudySpeak->isEnabled() == available)
        return available;
    ui.mnuStudySpeak->setEnabled(available);
    ui.BSpeak->setEnabled(available);
    const QString tip = available ? QStringLiteral("読み上げ (F6)") : Messages::NoEnglishVoice;
    ui.mnuStudySpeak->setToolTip(tip);
    ui.BSpeak->setToolTip(tip);
    if (!available)
        ui.sbStatusBar->showMessage(Messages::NoEnglishVoice, 8000);
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
    if (!m.HoldsRecord(m.CurrentIndex) || ui.Quest->text().isEmpty())
        return;
    speech->Say(EnglishPart(m.Current().Text));
}

void frmMain::SpeakAfterVerdict()
{
    if (!ui.mnuStudySpeakAfter->isChecked() || !m.HoldsRecord(m.CurrentIndex))
        return;
    if (CheckSpeech())
        speech->Say(EnglishPart(m.Current().Text));
}
