// Start-up and the application of settings: the load step of the main window,
// ApplySettings, CollectOptions and the File menu's open and options commands.
#include "store/TextFile.h"
#include "ui/DialogSeam.h"
#include "ui/Options.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

void frmMain::Load()
{
    move(TwipsToPixels(StoredTwips(store, QStringLiteral("MainLeft"), 1000)),
         TwipsToPixels(StoredTwips(store, QStringLiteral("MainTop"), 1000)));
    setFixedSize(TwipsToPixels(9600), TwipsToPixels(8000));
    Words[0]->hide();

    ReadTextFile(m.IniPath, m.IniLines, m.IniLineCount, &m.IniStamp);
    if (m.IniLineCount == -1) {
        Quest->setText(Messages::NoIniFile);
        Anser->setPlainText(Messages::SetUpOptions);
        return;
    }
    TakeSettings(m.IniLines, m.IniLineCount, m.Settings);
    ApplySettings();
    if (m.QuestionLineCount == -1)
        LabelCHK->setText(Messages::QuestionFileMissing);
    if (m.Settings.OperationMode == 0) {
        ShowCurrentQuestion();
        BStart->hide();
    }
}

void frmMain::ApplySettings()
{
    AppSettings& s = m.Settings;
    ApplyFonts();
    Label3->hide();
    Label4->hide();

    switch (s.OperationMode) {
    case 0:
        BClear->show();
        BGiveup->show();
        BCheck->hide();
        break;
    case 1:
    case 2:
        BClear->hide();
        BGiveup->hide();
        BCheck->setVisible(s.OperationMode == 1);
        Quest->clear();
        LabelCHK->clear();
        Anser->clear();
        RemoveWordButtons();
        break;
    default:
        break;
    }

    LoadMessageFile(s.GiveupMessageFile, m.GiveupMessages, m.GiveupMessageCount);
    LoadMessageFile(s.CorrectMessageFile, m.CorrectMessages, m.CorrectMessageCount);
    LoadMessageFile(s.WrongMessageFile, m.WrongMessages, m.WrongMessageCount);

    if (m.IniLineCount != -1 && NamesAFile(s.QuestionFile)) {
        switch (LoadQuestionFile(m, s.QuestionFile)) {
        case LoadOutcome::Missing:
            return;
        case LoadOutcome::TooBig:
            // Refused: the table loaded before stays, and so does the name its
            // history is saved under.
            s.QuestionFile = m.LoadedQuestionFile;
            LabelCHK->setText(Messages::QuestionFileTooBig);
            return;
        case LoadOutcome::Loaded:
            LabelCHK->setText(Messages::Loaded);
            m.CurrentIndex = 1;
            m.CurrentNumber = 1;
            Text1->setText(QString::number(m.CurrentNumber));
            Text2->setText(QString::number(m.EligibleCount));
            break;
        }
    }
    SetStatusText(s.QuestionFile);
    RemoveWordButtons();
    Anser->clear();
    Quest->clear();
}

void frmMain::CollectOptions(const Options& d)
{
    AppSettings& s = m.Settings;
    s.ShowCorrectMessage = d.Check1[0]->isChecked() ? 1 : 0;
    s.ShowWrongMessage = d.Check1[1]->isChecked() ? 1 : 0;
    s.ShowGiveupMessage = d.Check1[2]->isChecked() ? 1 : 0;
    s.ShowQuestionCount = d.Check2->isChecked() ? 1 : 0;
    s.LimitQuestionCount = d.Check3->isChecked() ? 1 : 0;
    s.QuestionFile = d.Text1->text();
    s.CorrectMessageFile = d.Text2->text();
    s.WrongMessageFile = d.Text3->text();
    s.GiveupMessageFile = d.Text4->text();
    s.JapaneseFontName = d.Text5->text();
    s.JapaneseFontSize = d.Text8->text();
    s.EnglishFontName = d.Text6->text();
    s.EnglishFontSize = d.Text9->text();
    s.CommentFontName = d.Text7->text();
    s.CommentFontSize = d.Text10->text();
    if (d.Option1->isChecked())
        s.OperationMode = 0;
    else if (d.Option2->isChecked())
        s.OperationMode = 1;
    else if (d.Option3->isChecked())
        s.OperationMode = 2;
    if (d.Option4->isChecked())
        s.DisplayMode = 0;
    else if (d.Option5->isChecked())
        s.DisplayMode = 1;
    else if (d.Option6->isChecked())
        s.DisplayMode = 2;
}

void frmMain::mnuFileOpen_Click()
{
    const QString path = dialogs.OpenFileName(this, QStringLiteral("開く"), AllFilesFilter());
    if (path.isEmpty())
        return;
    m.Settings.QuestionFile = path;
    ApplySettings();
    const bool refused = m.Settings.QuestionFile != path;
    if (!refused && (m.QuestionLineCount == -1 || m.LoadedQuestionFile != path)) {
        // Nothing was read: without a table the old counters must never be
        // saved under the new name, and there is nothing to move over.
        m.QuestionLines = QStringList();
        m.QuestionTable.clear();
        m.QuestionLineCount = -1;
        m.EligibleCount = 0;
        m.CurrentIndex = 1;
        m.CurrentNumber = 1;
    }
    ShowCurrentQuestion();
    if (refused)
        LabelCHK->setText(Messages::QuestionFileTooBig);
}

void frmMain::FileSetting_Click()
{
    // A dialog that was just closed is on its way out; open a fresh one.
    if (!optionsWindow || !optionsWindow->isVisible())
        optionsWindow = new Options(*this);
    optionsWindow->setWindowTitle(QStringLiteral("オプション設定"));
    optionsWindow->show();
    optionsWindow->raise();
    optionsWindow->activateWindow();
}
