// Start-up and the application of settings: the load step of the main window,
// ApplySettings, ApplyOptions and the File menu's open and options commands.
#include "quiz/StudySession.h"
#include "ui/DialogSeam.h"
#include "ui/Options.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

namespace {

int StoredTwips(QSettings& store, const QString& key, int fallback)
{
    bool ok = false;
    const double v = store.value(QStringLiteral("Settings/") + key).toString().toDouble(&ok);
    // A value that is no number, or that would put the window far off any
    // screen, counts as absent.
    if (!ok || v < -1e6 || v > 1e6)
        return fallback;
    return static_cast<int>(v);
}

} // namespace

void frmMain::Load(StartupFiles* files)
{
    move(TwipsToPixels(StoredTwips(store, QStringLiteral("MainLeft"), 1000)),
         TwipsToPixels(StoredTwips(store, QStringLiteral("MainTop"), 1000)));
    // The client area below the menu bar is 9525 x 7290 twips, the status bar in its
    // bottom 390; the window manager's frame lies outside it.
    setFixedSize(TwipsToPixels(9525), menuBar()->sizeHint().height() + TwipsToPixels(7290));
    WordButtons()[0]->hide();

    // The question file start-up read already, taken by the same load as any
    // later one.
    std::optional<PreparedQuestions> prepared;
    if (files) {
        m.Ini.AdoptRead(std::move(files->ini));
        prepared = std::move(files->questions);
    } else {
        m.Ini.Read();
    }
    if (m.Ini.Missing()) {
        ui.Quest->setText(Messages::NoIniFile);
        ui.Anser->setPlainText(Messages::SetUpOptions);
        // A file that is there but cannot be read is left as it is.
        if (m.Ini.Unreadable())
            ui.LabelCHK->setText(Messages::IniUnreadable);
        return;
    }
    m.Ini.TakeSettings(m.Settings);
    const LoadOutcome outcome = ApplySettings(std::move(prepared));
    if (m.QuestionLineCount == -1)
        ui.LabelCHK->setText(Messages::QuestionFileMissing);
    ShowFirstQuestion();
    // The size message outlasts the first question's "no file" message.
    SayHowLoaded(outcome);
    FocusForNextKey();
}

LoadOutcome frmMain::ApplySettings(std::optional<PreparedQuestions> prepared)
{
    AppSettings& s = m.Settings;
    ApplyFonts();
    ui.Label3->hide();
    ui.Label4->hide();

    ShowModeControls();
    if (const auto rules = Rules(); rules && rules->emptiedOnApply) {
        ui.Quest->clear();
        ui.LabelCHK->clear();
        ui.Anser->clear();
        RemoveWordButtons();
    }

    LoadMessageFile(s.GiveupMessageFile, m.GiveupMessages, m.GiveupMessageCount);
    LoadMessageFile(s.CorrectMessageFile, m.CorrectMessages, m.CorrectMessageCount);
    LoadMessageFile(s.WrongMessageFile, m.WrongMessages, m.WrongMessageCount);

    LoadOutcome outcome = LoadOutcome::Loaded;
    if (!m.Ini.Missing() && NamesAFile(s.QuestionFile)) {
        // The file start-up read already, when it is the one the settings name.
        if (prepared && prepared->path == s.QuestionFile)
            outcome = session->Take(std::move(*prepared));
        else
            outcome = session->Take(PrepareQuestionFile(m.Ini, s.DisplayMode, s.QuestionFile));
        if (IsRefusal(outcome)) {
            // Refused: the table loaded before stays with the name its history
            // is saved under; the caller puts the configured name back.
            ui.LabelCHK->setText(Messages::RefusalMessage(outcome));
            return outcome;
        }
        if (outcome == LoadOutcome::Missing) {
            // The window and 学習状況 show no file rather than the last one's
            // buttons and rows.
            session->Drop();
        } else {
            ui.LabelCHK->setText(Messages::Loaded);
            m.CurrentIndex = 1;
            m.CurrentNumber = 1;
            ui.Text1->setText(QString::number(m.CurrentNumber));
            ui.Text2->setText(QString::number(m.EligibleCount));
        }
    }
    // A file that is gone leaves the status bar as it was.
    if (outcome != LoadOutcome::Missing)
        SetStatusText(s.QuestionFile);
    RemoveWordButtons();
    ui.Anser->clear();
    ui.Quest->clear();
    return outcome;
}

bool frmMain::ApplyOptions(const AppSettings& chosen, bool save)
{
    // The loaded file's counters go under its own name before any option changes.
    // When they cannot be saved the dialog stays open, so nothing is lost.
    if (!SaveHistoryOrSay())
        return false;
    const AppSettings before = m.Settings;
    m.Settings = chosen;
    // The chosen file is read before anything is written: one refused for its
    // size is never named in the settings, which keep naming the file before.
    LoadOutcome refused = LoadOutcome::Loaded;
    std::optional<PreparedQuestions> prepared;
    if (NamesAFile(chosen.QuestionFile) && (save || !m.Ini.Missing())) {
        prepared = PrepareQuestionFile(m.Ini, chosen.DisplayMode, chosen.QuestionFile);
        if (IsRefusal(prepared->outcome)) {
            refused = prepared->outcome;
            m.Settings.QuestionFile = before.QuestionFile;
            prepared.reset();
        }
    }
    if (save && !WriteSettingsOrSay()) {
        // Not saved, so not applied either: the settings stay those of the
        // loaded file.
        m.Settings = before;
        return false;
    }
    const LoadOutcome applied = ApplySettings(std::move(prepared));
    if (save) {
        ui.Quest->clear();
        ui.Anser->clear();
    }
    if (!ShowFirstQuestion())
        ui.BStart->show();
    SayHowLoaded(IsRefusal(refused) ? refused : applied);
    return true;
}

void frmMain::mnuFileOpen_Click()
{
    const QString path = dialogs.OpenFileName(this, QStringLiteral("開く"), AllFilesFilter());
    if (path.isEmpty())
        return;
    if (HasLineBreak(path)) {
        ui.LabelCHK->setText(Messages::LineBreakRefused);
        return;
    }
    // The loaded file's answers go under its own name before another file is
    // read; when they cannot, the window stays on the loaded file.
    if (!SaveHistoryOrSay())
        return;
    const QString before = m.Settings.QuestionFile;
    m.Settings.QuestionFile = path;
    const LoadOutcome outcome = ApplySettings();
    // A refused file leaves nothing of itself: the settings, the status bar and
    // a later 更新 keep naming the file before.
    if (IsRefusal(outcome))
        m.Settings.QuestionFile = before;
    else if (m.QuestionLineCount == -1 || m.LoadedQuestionFile != path)
        session->Drop();
    ShowCurrentQuestion();
    SayHowLoaded(outcome);
}

void frmMain::SayHowLoaded(LoadOutcome outcome)
{
    // Said over the first question, which empties the comment line.
    if (IsRefusal(outcome))
        ui.LabelCHK->setText(Messages::RefusalMessage(outcome));
    else if (m.HasHistory() && !m.HistoryMovedFrom.isEmpty())
        ui.LabelCHK->setText(Messages::HistoryMoved);
    // No question file loads without english.ini; this is why.
    if (m.Ini.Unreadable())
        ui.LabelCHK->setText(Messages::IniUnreadable);
}

QString Messages::RefusalMessage(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::TooManyLines:
        return TooManyLines;
    case LoadOutcome::LineTooLong:
        return LineTooLong;
    case LoadOutcome::TooLarge:
        return TooLarge;
    case LoadOutcome::Loaded:
    case LoadOutcome::Missing:
        break;
    }
    return QString();
}

void frmMain::FileSetting_Click()
{
    // A dialog that was just closed is on its way out; open a fresh one.
    if (!optionsWindow || !optionsWindow->isVisible()) {
        optionsWindow = new Options(m.Settings, dialogs, this);
        Options* dialog = optionsWindow.data();
        connect(dialog, &Options::Committed, this,
                [this, dialog](const AppSettings& chosen, bool save) {
                    Handle([this, dialog = QPointer<Options>(dialog), chosen, save] {
                        if (ApplyOptions(chosen, save) && dialog)
                            dialog->close();
                    });
                });
        // 履歴のクリア names and clears the file loaded when it is pressed.
        dialog->SetHistoryFile([this] { return m.Settings.QuestionFile; });
        connect(dialog, &Options::ClearHistoryConfirmed, this,
                [this](const QString& file) { Handle([this, file] { ClearHistoryOrSay(file); }); });
    }
    optionsWindow->setWindowTitle(QStringLiteral("オプション設定"));
    optionsWindow->show();
    optionsWindow->raise();
    optionsWindow->activateWindow();
}
