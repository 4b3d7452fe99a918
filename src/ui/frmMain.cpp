#include "ui/frmMain.h"

#include "answer/Judge.h"
#include "answer/Shuffle.h"
#include "quiz/Selection.h"
#include "quiz/StudySession.h"
#include "ui/FocusStyle.h"
#include "ui/MainLayout.h"
#include "ui/Options.h"
#include "ui/SpeechController.h"
#include "ui/StudyStatus.h"
#include "ui/Twips.h"
#include "ui/WordButtonPanel.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSessionManager>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTextEdit>
#include <QTimer>

namespace {

QIcon MakeIcon()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pm(size, size);
        pm.fill(QColor(0xC0, 0xC0, 0xFF));
        QPainter painter(&pm);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xC0, 0xFF, 0xFF));
        painter.drawRect(size / 8, size / 4, size * 3 / 4, size / 2);
        painter.setBrush(QColor(0x40, 0x00, 0x00));
        painter.drawRect(size / 4, size / 2 - size / 16, size / 2, size / 8);
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

void PrepareApplication()
{
    QApplication::setStyle(new FocusStyle);
    const QStringList gothic = {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")};
    QFont::insertSubstitutions(DesignFace, gothic);
    // The window's own font is a Japanese face too, as on a Japanese desktop:
    // captions need no search for a face that has their characters.
    QFont font = QApplication::font();
    font.setFamilies(gothic);
    QApplication::setFont(font);
}

void LoadFontList()
{
    QFontDatabase::families();
}

frmMain::frmMain(Module1& state, QSettings& settingsStore, DialogSeam& dialogSeam, QWidget* parent)
    : QMainWindow(parent), m(state), store(settingsStore), dialogs(dialogSeam)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmere"));
    setWindowIcon(MakeIcon());
    speech = new SpeechController(store, this);
    // The progress window follows the session: a verdict redraws its record,
    // a load, mix or clear everything.
    session = new StudySession(m, this);
    connect(session, &StudySession::recordChanged, this,
            [this](int index) { RefreshStatus(index); });
    connect(session, &StudySession::tableReset, this, [this] { RefreshStatus(); });
    BuildMenu();
    BuildControls();
    BuildStudyMenu();
    BuildSpeechMenu();
    connect(speech, &SpeechController::Changed, this, [this] { CheckSpeech(); });
    qApp->installEventFilter(this);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { SessionEnding(); });
#endif
}

// The options dialog is a child of the window and goes with it.
frmMain::~frmMain() = default;

Options* frmMain::OptionsWindow() const
{
    return optionsWindow.data();
}

void frmMain::BuildMenu()
{
    ui.mnuFile = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    ui.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto item = [this](QAction*& action, const char* name, const QString& caption,
                       void (frmMain::*handler)()) {
        action = ui.mnuFile->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { Handle([this, handler] { (this->*handler)(); }); });
    };
    item(ui.mnuFileOpen, "mnuFileOpen", QStringLiteral("開く(&O)..."), &frmMain::mnuFileOpen_Click);
    item(ui.Mazeru, "Mazeru", QStringLiteral("混ぜる"), &frmMain::Mazeru_Click);
    item(ui.FileSetting, "FileSetting", QStringLiteral("オプション設定"),
         &frmMain::FileSetting_Click);
    item(ui.mnuFileExit, "mnuFileExit", QStringLiteral("終了(&X)"), &frmMain::mnuFileExit_Click);
}

void frmMain::BuildStudyMenu()
{
    // Keys that never collide with typing to pick words: function keys, Page
    // Up/Down and Ctrl with a letter.
    ui.mnuStudy = menuBar()->addMenu(QStringLiteral("学習(&S)"));
    ui.mnuStudy->setObjectName(QStringLiteral("mnuStudy"));
    auto item = [this](QAction*& action, const char* name, QPushButton* button,
                       const QKeySequence& key, void (frmMain::*handler)(), const QString& also) {
        action = ui.mnuStudy->addAction(button->text());
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        // A command runs only where its button is offered.
        connect(action, &QAction::triggered, this, [this, button, handler] {
            if (!button->isHidden())
                Handle([this, handler] { (this->*handler)(); });
        });
        button->setToolTip(button->text() + QStringLiteral(" (") +
                           key.toString(QKeySequence::NativeText) + also + QLatin1Char(')'));
    };
    item(ui.mnuStudyStart, "mnuStudyStart", ui.BStart, QKeySequence(Qt::Key_F5),
         &frmMain::BStart_Click, QStringLiteral(", Enter"));
    item(ui.mnuStudyCheck, "mnuStudyCheck", ui.BCheck, QKeySequence(Qt::Key_F2),
         &frmMain::BCheck_Click, QStringLiteral(", Enter"));
    item(ui.mnuStudyNext, "mnuStudyNext", ui.BNext, QKeySequence(Qt::Key_PageDown),
         &frmMain::BNext_Click, QStringLiteral(", Enter"));
    item(ui.mnuStudyBack, "mnuStudyBack", ui.BBack, QKeySequence(Qt::Key_PageUp),
         &frmMain::BBack_Click, QString());
    item(ui.mnuStudyClear, "mnuStudyClear", ui.BClear, QKeySequence(Qt::CTRL | Qt::Key_L),
         &frmMain::BClear_Click, QString());
    item(ui.mnuStudyGiveup, "mnuStudyGiveup", ui.BGiveup, QKeySequence(Qt::CTRL | Qt::Key_G),
         &frmMain::BGiveup_Click, QString());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this || !isActiveWindow())
        return false;
    // Keys for a text box are its own, and so are those of the menu bar once it
    // has the keyboard (Alt, then a menu's letter).
    if (menuBar()->activeAction() || menuBar()->hasFocus() || QApplication::activePopupWidget())
        return false;
    for (const QWidget* box = w; box; box = box->parentWidget()) {
        if (qobject_cast<const QLineEdit*>(box) || qobject_cast<const QTextEdit*>(box) ||
            qobject_cast<const QMenuBar*>(box))
            return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        Handle([this] { ReturnKey(); });
        return true;
    }
    return WordKey(key);
}

bool frmMain::WaitingForStart() const
{
    return !ui.BStart->isHidden() && ui.Quest->text().isEmpty();
}

bool frmMain::ShowFirstQuestion()
{
    // Word-button mode needs no 開始: the first question is shown at once.
    const auto rules = Rules();
    if (!rules || !rules->firstQuestionAtOnce)
        return false;
    ShowCurrentQuestion();
    ui.BStart->hide();
    return true;
}

void frmMain::ReturnKey()
{
    if (WaitingForStart()) {
        BStart_Click();
        return;
    }
    const auto rules = Rules();
    if (!rules)
        return;
    if (answered) {
        BNext_Click();
        return;
    }
    switch (rules->returnBeforeAnswer) {
    case ReturnStep::Nothing:
        break;
    case ReturnStep::Check:
        BCheck_Click();
        break;
    case ReturnStep::Next:
        BNext_Click();
        break;
    }
}

std::optional<ModeRules> frmMain::Rules() const
{
    return session->Rules();
}

void frmMain::FocusForNextKey()
{
    const auto rules = Rules();
    if (QPushButton* first = wordPanel->First(); rules && rules->wordButtons && first)
        first->setFocus();
    else if (WaitingForStart())
        ui.BStart->setFocus();
    else
        ui.BNext->setFocus();
}

void frmMain::BuildControls()
{
    const BuiltControls built = BuildMainControls(*this, ui);
    client = built.client;
    statusText = built.statusText;
    const std::pair<QPushButton*, void (frmMain::*)()> handlers[] = {
        {ui.BStart, &frmMain::BStart_Click}, {ui.BCheck, &frmMain::BCheck_Click},
        {ui.BNext, &frmMain::BNext_Click},   {ui.BBack, &frmMain::BBack_Click},
        {ui.BClear, &frmMain::BClear_Click}, {ui.BGiveup, &frmMain::BGiveup_Click},
        {ui.BExit, &frmMain::BExit_Click}};
    for (const auto& entry : handlers) {
        const auto handler = entry.second;
        connect(entry.first, &QPushButton::clicked, this,
                [this, handler] { Handle([this, handler] { (this->*handler)(); }); });
    }
    // The change handler runs at once, also when the load writes the box.
    connect(ui.Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });

    // The word buttons of a question, over the word area.
    wordPanel = new WordButtonPanel(
        built.words0, [this](std::function<void()> command) { Handle(std::move(command)); },
        client);
    connect(wordPanel, &WordButtonPanel::Clicked, this,
            [this](int index) { Handle([this, index] { Words_Click(index); }); });
    connect(wordPanel, &WordButtonPanel::Picked, this, [this](int index) { Words_Click(index); });
}

QString frmMain::StatusText() const
{
    return statusText->text();
}

void frmMain::SetStatusText(const QString& text)
{
    statusText->setText(text);
}

QString frmMain::AnswerText() const
{
    return ui.Anser->toPlainText();
}

void frmMain::Handle(std::function<void()> command)
{
    if (busy) {
        deferred.push_back(std::move(command));
        return;
    }
    busy = true;
    command();
    busy = false;
    if (!deferred.empty()) {
        QTimer::singleShot(0, this, [this] {
            auto pending = std::move(deferred);
            deferred.clear();
            for (auto& c : pending)
                Handle(std::move(c));
        });
    }
}

namespace {

void ApplyFont(QWidget* w, const QString& name, const QString& size)
{
    QFont f = w->font();
    if (!name.isEmpty())
        f.setFamily(name);
    if (!size.isEmpty()) {
        bool ok = false;
        const double points = size.trimmed().toDouble(&ok);
        // A size that is no usable number leaves the size as it was.
        if (ok && points >= 1 && points <= 1638)
            f.setPointSizeF(points);
    }
    w->setFont(f);
}

} // namespace

void frmMain::ApplyFonts()
{
    const AppSettings& s = m.Settings;
    ApplyFont(ui.Quest, s.JapaneseFontName, s.JapaneseFontSize);
    ApplyFont(ui.Anser, s.EnglishFontName, s.EnglishFontSize);
    ApplyFont(ui.LabelCHK, s.CommentFontName, s.CommentFontSize);
}

void frmMain::WriteQuestionStatus()
{
    const QuestionRecord& r = m.Current();
    SetStatusText(m.Settings.QuestionFile + QStringLiteral(" 番号：") + QString::number(r.Number) +
                  QStringLiteral(" 正解数：") + QString::number(r.CorrectCount) +
                  QStringLiteral(" 誤答数：") + QString::number(r.WrongCount));
}

namespace {

// What LabelCHK says after a move that shows no question.
QString MoveMessage(MoveResult result)
{
    switch (result) {
    case MoveResult::NoFile:
        return Messages::NoQuestionFile;
    case MoveResult::NothingEligible:
        return Messages::NothingToShow;
    case MoveResult::PastEnd:
        return Messages::NoMoreQuestions;
    case MoveResult::AtLimit:
        return Messages::LastQuestion;
    case MoveResult::Exhausted:
        return Messages::AllAsked;
    case MoveResult::AtFirst:
        return Messages::FirstQuestion;
    case MoveResult::NoneBefore:
        return Messages::NoneBefore;
    case MoveResult::Found:
        break;
    }
    return QString();
}

} // namespace

void frmMain::ShowCurrentQuestion()
{
    const MoveResult result = session->Start();
    if (result == MoveResult::NoFile || result == MoveResult::NothingEligible) {
        ui.LabelCHK->setText(MoveMessage(result));
        return;
    }
    ui.Anser->clear();
    ui.Quest->clear();
    ui.LabelCHK->clear();
    ui.Label3->hide();
    ui.Label4->hide();
    ApplyFonts();
    if (result == MoveResult::PastEnd) {
        ui.LabelCHK->setText(MoveMessage(result));
        return;
    }
    answered = false;
    speech->Stop();
    const QuestionRecord& r = m.Current();
    if (!HasTab(r.Text))
        return;
    // A mode the program does not know shows no question.
    if (const auto view = session->Current(); view && Rules()) {
        RemoveWordButtons();
        ui.Quest->setText(view->question);
        if (view->wordButtons) {
            BuildWordButtons(r.Text);
            WriteQuestionStatus();
        }
    }
    ShowModeControls();
    FocusForNextKey();
}

void frmMain::BStart_Click()
{
    ShowCurrentQuestion();
}

// Puts the record that Next or Back found on the screen.
void frmMain::ShowRecord()
{
    answered = false;
    speech->Stop();
    const auto view = session->Current();
    ui.Quest->setText(view ? view->question : QString());
    ui.LabelCHK->clear();
    ui.Anser->clear();
    ui.Text1->setText(QString::number(m.CurrentNumber));
    if (view && view->wordButtons) {
        BuildWordButtons(m.Current().Text);
        WriteQuestionStatus();
    }
    FocusForNextKey();
}

void frmMain::BNext_Click()
{
    const MoveResult result = session->Next(ParseInt16(ui.Text2->text()));
    if (result == MoveResult::NoFile) {
        ui.LabelCHK->setText(MoveMessage(result));
        return;
    }
    ui.Label3->hide();
    ui.Label4->hide();
    // A move that got as far as the scan leaves the old question's buttons behind.
    if (result == MoveResult::PastEnd || result == MoveResult::Found)
        RemoveWordButtons();
    if (result == MoveResult::Found)
        ShowRecord();
    else
        ui.LabelCHK->setText(MoveMessage(result));
}

void frmMain::BBack_Click()
{
    const MoveResult result = session->Back();
    if (result == MoveResult::NoFile) {
        ui.LabelCHK->setText(MoveMessage(result));
        return;
    }
    ui.Label3->hide();
    ui.Label4->hide();
    if (result == MoveResult::Found) {
        RemoveWordButtons();
        ShowRecord();
    } else {
        ui.LabelCHK->setText(MoveMessage(result));
    }
}

void frmMain::Text2_Change()
{
    const QString text = ui.Text2->text().trimmed();
    bool numeric = false;
    text.toDouble(&numeric);
    if (text.isEmpty() || !numeric)
        return;
    ui.Text1->setText(QStringLiteral("1"));
    m.CurrentNumber = 1;
}

void frmMain::JudgeAnswer()
{
    switch (JudgeRefusalFor(m.QuestionLineCount, m.WordButtonCount, m.Settings.OperationMode,
                            !ui.Quest->text().isEmpty())) {
    case JudgeRefusal::NoFile:
        ui.LabelCHK->setText(Messages::NoQuestionFile);
        return;
    case JudgeRefusal::NoWordButtons:
        ui.LabelCHK->setText(Messages::ShowWordButtons);
        return;
    case JudgeRefusal::NoQuestion:
        ui.LabelCHK->setText(Messages::ShowQuestion);
        return;
    case JudgeRefusal::None:
        break;
    }
    const AppSettings& s = m.Settings;
    const auto rules = Rules();
    const CheckStep step = rules ? rules->check : CheckStep::Nothing;
    if (step == CheckStep::Judge) {
        ShuffleStrings(m.CorrectMessageCount, m.CorrectMessages);
        ShuffleStrings(m.WrongMessageCount, m.WrongMessages);
        // Counted by the session when a record is on display.
        const auto judged = session->Judge(AnswerText());
        const bool correct = judged ? *judged : IsCorrectAnswer(AnswerText(), m.Current().Text);
        const int show = correct ? s.ShowCorrectMessage : s.ShowWrongMessage;
        const int count = correct ? m.CorrectMessageCount : m.WrongMessageCount;
        const QStringList& messages = correct ? m.CorrectMessages : m.WrongMessages;
        if (show != 1)
            ui.LabelCHK->clear();
        else if (count > 0 && messages.size() > 1)
            ui.LabelCHK->setText(messages[1]);
        answered = true;
        if (correct)
            SpeakAfterVerdict();
    } else if (step == CheckStep::RevealEnglish) {
        ui.Anser->setPlainText(EnglishPart(m.Current().Text));
        answered = true;
        SpeakAfterVerdict();
    }
}

void frmMain::BCheck_Click()
{
    JudgeAnswer();
}

void frmMain::BGiveup_Click()
{
    const auto english = session->GiveUp();
    if (!english) {
        ui.LabelCHK->setText(Messages::NoQuestionFile);
        return;
    }
    ShuffleStrings(m.GiveupMessageCount, m.GiveupMessages);
    RemoveWordButtons();
    ui.Label3->show();
    ui.Label4->setText(AnswerText());
    ui.Label4->show();
    ui.Anser->setPlainText(*english);
    answered = true;
    SpeakAfterVerdict();
    if (m.Settings.ShowGiveupMessage == 1 && m.GiveupMessageCount > 0 &&
        m.GiveupMessages.size() > 1)
        ui.LabelCHK->setText(m.GiveupMessages[1]);
}

void frmMain::Mazeru_Click()
{
    if (m.QuestionLineCount < 1) {
        ui.LabelCHK->setText(Messages::NoQuestionFile);
        return;
    }
    // The counters are saved before the order changes. Mixing loses nothing, so
    // a failed save does not stop it; the user is told afterwards.
    const bool saved = SaveHistoryOrSay();
    session->Mix();
    ui.LabelCHK->setText(Messages::Shuffled);
    ui.Text1->setText(QStringLiteral("1"));
    RemoveWordButtons();
    ui.Quest->clear();
    ui.Anser->clear();
    ShowFirstQuestion();
    if (!saved)
        ui.LabelCHK->setText(Messages::IniNotWritten);
}

bool frmMain::SayIfFailed(IniResult result)
{
    if (result == IniResult::Done)
        return true;
    ui.LabelCHK->setText(result == IniResult::Unreadable ? Messages::IniUnreadable
                                                         : Messages::IniNotWritten);
    return false;
}

bool frmMain::SaveHistoryOrSay()
{
    if (!m.HasHistory())
        return true;
    if (!SayIfFailed(m.Ini.SaveHistory(m.LoadedQuestionFile, m.QuestionTable, m.QuestionLineCount)))
        return false;
    session->Saved();
    return true;
}

void frmMain::SessionEnding()
{
    if (m.Unsaved)
        SaveHistoryOrSay();
}

bool frmMain::WriteSettingsOrSay()
{
    return SayIfFailed(m.Ini.WriteSettings(m.Settings));
}

bool frmMain::ClearHistoryOrSay(const QString& questionFile)
{
    // The loaded table is zeroed only when it is the file whose history goes.
    const bool loaded = m.HasHistory() && m.LoadedQuestionFile == questionFile;
    QuestionList none;
    if (!SayIfFailed(m.Ini.ClearHistory(questionFile, loaded ? m.QuestionTable : none,
                                        loaded ? m.QuestionLineCount : 0)))
        return false;
    if (loaded)
        session->Cleared();
    else
        RefreshStatus();
    return true;
}

void frmMain::RefreshStatus(int recordIndex)
{
    if (!statusWindow)
        return;
    if (recordIndex > 0)
        statusWindow->RecordChanged(recordIndex);
    else
        statusWindow->Refresh();
}

StudyStatus* frmMain::StudyStatusWindow() const
{
    return statusWindow.data();
}

void frmMain::StudyStatus_Click()
{
    if (!statusWindow) {
        statusWindow = new StudyStatus(m, this);
        connect(statusWindow, &StudyStatus::LineActivated, this,
                [this](int line) { Handle([this, line] { ShowQuestionAtLine(line); }); });
    } else {
        statusWindow->Refresh();
    }
    statusWindow->show();
    statusWindow->raise();
    statusWindow->activateWindow();
}

void frmMain::ShowQuestionAtLine(int line)
{
    if (!session->GoToLine(line)) {
        if (statusWindow)
            statusWindow->SetMessage(
                QStringLiteral("%1行目は今の表示方法では出題されません。").arg(line));
        return;
    }
    if (statusWindow)
        statusWindow->SetMessage(QString());
    ui.Label3->hide();
    ui.Label4->hide();
    RemoveWordButtons();
    if (const auto rules = Rules(); rules && !rules->wordButtons)
        ShowModeControls();
    ShowRecord();
}

void frmMain::ShowModeControls()
{
    if (const auto shown = ControlsFor(m.Settings.OperationMode)) {
        ui.BClear->setVisible(shown->clear);
        ui.BGiveup->setVisible(shown->giveup);
        ui.BCheck->setVisible(shown->check);
    }
}
