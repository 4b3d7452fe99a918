#pragma once

#include "quiz/Module1.h"
#include "store/IniFile.h"
#include "ui/Options.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

class DialogSeam;
class Options;
class QAction;
class Speaker;
class SpeechController;
class StudySession;
class StudyStatus;
class WordButtonPanel;
class QKeyEvent;
class QScrollArea;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSettings;
class QStatusBar;
class QTextEdit;

// Sets the look every window of the program shares: a style that draws button
// faces in their colour, and an installed Japanese Gothic face for the design
// face. Call once after the QApplication exists.
void PrepareApplication();

// Reads the system's list of fonts, the slowest step before the window can lay
// out its first caption. Safe on any thread once the QApplication exists, so
// start-up runs it beside the building of the window.
void LoadFontList();

// The main window. Its controls carry the names every part of the program uses;
// the handlers ask the core what to do and then set captions, texts and
// visibility.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // state is the process-wide state, store the per-user settings store (window
    // geometry), dialogs the seam for every modal prompt. state.Ini must name
    // english.ini.
    frmMain(Module1& state, QSettings& store, DialogSeam& dialogs, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load step: place the window, read english.ini, apply the settings and,
    // in word-button mode, show the first question. Run once, before showing.
    // With files, english.ini and the question file were read already (on
    // another thread while the window was built) and are taken from there.
    void Load(StartupFiles* files = nullptr);

    // Shared procedures. ApplySettings says what became of the question file;
    // prepared is that file when it was read already (at start-up, or checked
    // by the options), and is taken when it is the one the settings name.
    LoadOutcome ApplySettings(std::optional<PreparedQuestions> prepared = std::nullopt);
    // What ＯＫ (save false) and 更新 (save true) of the options dialog do with
    // the settings it hands over: save the loaded file's history, take the
    // settings, write them (更新), apply them and show the first question. False
    // when a step failed; the settings in force are then those before.
    bool ApplyOptions(const AppSettings& chosen, bool save);
    void ShowCurrentQuestion();
    void JudgeAnswer();
    void BuildWordButtons(QStringView text);
    void RemoveWordButtons();
    // SaveHistory of the loaded question file under the name it was read
    // from; nothing to do when no file is held. On failure LabelCHK says so.
    bool SaveHistoryOrSay();
    // The desktop session is ending: the history is saved without asking.
    void SessionEnding();
    // Asked to end from outside (SIGTERM, SIGHUP, SIGINT): prompts that are
    // open are cancelled, the history is saved as at a session end, and the
    // window ends without asking.
    void EndBySignal();
    // WriteSettings; on failure LabelCHK says so.
    bool WriteSettingsOrSay();
    // ClearHistory of questionFile (the loaded table is zeroed when it is that
    // file's); on failure LabelCHK says so.
    bool ClearHistoryOrSay(const QString& questionFile);

    // Event handlers, named by control and event.
    void BStart_Click();
    void BNext_Click();
    void BBack_Click();
    void BCheck_Click();
    void BGiveup_Click();
    void BClear_Click();
    void BExit_Click();
    void Words_Click(int index);
    void Text2_Change();
    void Mazeru_Click();
    void mnuFileOpen_Click();
    void mnuFileExit_Click();
    void FileSetting_Click();

    // The word buttons; element 0 is the hidden template.
    const std::vector<QPushButton*>& WordButtons() const;
    // Word button i (from 1): the word it adds to the answer, and whether it is
    // in the answer already.
    QString WordOf(int index) const;
    bool WordUsed(int index) const;
    // Whether word button i is shown as a candidate for the letters typed.
    bool IsCandidate(int index) const;
    // Return: the next step of the question on display (開始, チェック, 次).
    void ReturnKey();
    // 読み上げ: speaks the English of the question on display, or stops.
    void Speak_Click();
    // 学習状況: opens the progress window, or brings it forward.
    void StudyStatus_Click();
    StudyStatus* StudyStatusWindow() const;
    // Shows the question on line (from 1) of the file, as 次 or 前 would have
    // reached it; one the display mode does not ask says so instead.
    void ShowQuestionAtLine(int line);
    // The speech engine; tests put one of their own in before Load.
    void SetSpeaker(Speaker* replacement);

    Module1& State() { return m; }
    StudySession& Session() { return *session; }
    DialogSeam& Dialogs() { return dialogs; }
    Options* OptionsWindow() const;
    QString StatusText() const;
    void SetStatusText(const QString& text);

    // Runs a user command unless another one is still running (a long load lets
    // the window paint); then it runs right after that one ends, never inside it.
    void Handle(std::function<void()> command);

    // The window's controls, by the names every part of the program uses. Only
    // the window changes them; tests and the benchmark read them here.
    struct Controls
    {
        QLabel* Quest = nullptr;        // the question: Japanese, or English in English→Japanese
        QLabel* Label1 = nullptr;       // caption 問題：
        QTextEdit* Anser = nullptr;     // the answer being built, or the revealed English
        QLabel* Label2 = nullptr;       // caption 答え：
        QLabel* LabelCHK = nullptr;     // the comment line: verdict messages and refusals
        QLabel* Label3 = nullptr;       // あなたの回答, shown after a give-up
        QLabel* Label4 = nullptr;       // the answer as it stood at the give-up
        QPushButton* BStart = nullptr;  // 開始
        QPushButton* BCheck = nullptr;  // チェック: reveal the English (Japanese→English)
        QPushButton* BNext = nullptr;   // 次
        QPushButton* BBack = nullptr;   // 前
        QPushButton* BClear = nullptr;  // クリア: every word button back to unused
        QPushButton* BGiveup = nullptr; // Give up: show the right answer
        QLineEdit* Text1 = nullptr;     // number of the question on display
        QLineEdit* Text2 = nullptr;     // how many questions to ask (the limit)
        QPushButton* BExit = nullptr;   // 終了: save the history and end
        QStatusBar* sbStatusBar = nullptr;
        QMenu* mnuFile = nullptr;       // ﾌｧｲﾙ(F)
        QAction* mnuFileOpen = nullptr; // 開く: choose a question file
        QAction* Mazeru = nullptr;      // 混ぜる: mix the order of the questions
        QAction* FileSetting = nullptr; // オプション設定: the options dialog
        QAction* mnuFileExit = nullptr; // 終了(X)
        // The 学習 menu: every study command with its key.
        QMenu* mnuStudy = nullptr;
        QAction* mnuStudyStart = nullptr;
        QAction* mnuStudyCheck = nullptr;
        QAction* mnuStudyNext = nullptr;
        QAction* mnuStudyBack = nullptr;
        QAction* mnuStudyClear = nullptr;
        QAction* mnuStudyGiveup = nullptr;
        QAction* mnuStudySpeak = nullptr;      // 読み上げ: the English of the question aloud
        QAction* mnuStudySpeakAfter = nullptr; // 正解後に読み上げる
        QMenu* mnuStudyVoice = nullptr;        // the English voices found
        QMenu* mnuStudyRate = nullptr;         // how fast they speak
        QPushButton* BSpeak = nullptr;         // 読み上げ, beside Give up
        QAction* mnuStudyProgress = nullptr;   // 学習状況: the progress window
    };
    const Controls& Ui() const { return ui; }

signals:
    // The user asked to end the program and the history is safe.
    void Exited();
    // The window is about to end (closing stays true) or, when the user kept
    // it open after all, goes on (false). A start made meanwhile must not be
    // answered by a window that is on its way out.
    void Closing(bool closing);

protected:
    // The unload step: other windows closed, geometry stored unless minimized.
    void closeEvent(QCloseEvent* event) override;
    // Study keys typed anywhere in the window but a text box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void BuildStudyMenu();
    void BuildSpeechMenu();
    // Says why 読み上げ cannot be used, when it cannot; true when it can.
    bool CheckSpeech();
    // After a verdict, a give-up or a reveal, with 正解後に読み上げる on.
    void SpeakAfterVerdict();
    // In word-button mode: shows the first question and hides 開始; false in the
    // postcard modes, which wait for 開始.
    bool ShowFirstQuestion();
    // A postcard mode with nothing shown yet: 開始 is the next step.
    bool WaitingForStart() const;
    // Puts the keyboard focus where the next key is needed.
    void FocusForNextKey();
    // Typing to pick word buttons; true when the key was used.
    bool WordKey(const QKeyEvent& key);
    void ApplyFonts();
    // The row of the operation mode in force.
    std::optional<ModeRules> Rules() const;
    // Shows the buttons that the operation mode uses.
    void ShowModeControls();
    // True for a change of english.ini that worked; otherwise LabelCHK says so.
    bool SayIfFailed(IniResult result);
    void ShowRecord();
    void WriteQuestionStatus();
    void Exit();
    // Saves for an exit; when that fails with answers unsaved, asks whether to
    // end without them. True when the program may end.
    bool SaveForExit();
    // Releases the lists and tells the program to end.
    void Finish();
    // Says in the comment line what became of a load: why a file was refused,
    // that its history was found where its folder was before, or that
    // english.ini cannot be read.
    void SayHowLoaded(LoadOutcome outcome);
    QString AnswerText() const;

    Controls ui;
    Module1& m;
    QSettings& store;
    DialogSeam& dialogs;
    QWidget* client = nullptr;
    QLabel* statusText = nullptr;
    QPointer<Options> optionsWindow;
    bool busy = false;
    bool exiting = false;  // the exit command is closing the window
    bool answered = false; // the question on display was judged, revealed or given up
    WordButtonPanel* wordPanel = nullptr;
    SpeechController* speech = nullptr;
    StudySession* session = nullptr;
    QPointer<StudyStatus> statusWindow;
    // Brings the progress window up to the state: everything, or one record.
    void RefreshStatus(int recordIndex = 0);
    std::vector<std::function<void()>> deferred;
};

// The texts the window says in LabelCHK.
namespace Messages {
inline const QString NoQuestionFile = QStringLiteral("問題ファイルを読み込んでください。");
inline const QString NothingToShow =
    QStringLiteral("現在のオプションでは表示できる問題が有りません。");
inline const QString NoMoreQuestions = QStringLiteral("これ以上問題はありません");
inline const QString LastQuestion = QStringLiteral("ここが最後の問題です。");
inline const QString AllAsked = QStringLiteral("もうこれ以上問題がありません");
inline const QString FirstQuestion = QStringLiteral("ここが最初の問題です。");
inline const QString NoneBefore = QStringLiteral("ここ以前には表示できる問題が有りません。");
inline const QString Loaded = QStringLiteral("問題ファイルを読込ました。");
inline const QString Shuffled = QStringLiteral("出題順を並べ替えました。");
inline const QString ShowWordButtons = QStringLiteral("単語ボタンを表示してください。");
inline const QString ShowQuestion = QStringLiteral("問題文を表示してください。");
inline const QString QuestionFileMissing =
    QStringLiteral("オプションで指定の問題ファイルがありません。");
inline const QString NoIniFile = QStringLiteral("イニシャルファイルが読み込めませんでした。");
inline const QString SetUpOptions =
    QStringLiteral("ﾌｧｲﾙ･ｵﾌﾟｼｮﾝでｵﾌﾟｼｮﾝを設定後、更新をしてください。");
// Why a question file was refused; each fits the comment line whole.
inline const QString TooManyLines = QStringLiteral("問題ファイルは32766行までです。");
inline const QString LineTooLong = QStringLiteral("問題ファイルの1行は32767文字までです。");
inline const QString TooLarge = QStringLiteral("問題ファイルが大きすぎます。");
inline const QString IniUnreadable = QStringLiteral("english.iniを読めないため、保存しません。");
inline const QString HistoryMoved = QStringLiteral("移動前の場所の履歴を引き継ぎました。");
inline const QString IniNotWritten = QStringLiteral("english.iniに書き込めませんでした。");
inline const QString ExitNotSaved = QStringLiteral("履歴を保存できず、終了を中止しました。");
inline const QString SaveBeforeClosing = QStringLiteral("履歴を保存しますか？");
inline const QString ExitWithoutSaving =
    QStringLiteral("履歴を保存できませんでした。保存せずに終了しますか？");
inline const QString LineBreakRefused = LineBreakMessage();
inline const QString NoEnglishVoice = QStringLiteral("英語の音声がありません");
// What LabelCHK says of a refused question file; empty for any other outcome.
QString RefusalMessage(LoadOutcome outcome);
} // namespace Messages
