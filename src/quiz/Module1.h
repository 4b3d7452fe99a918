#pragma once

#include "store/IniFile.h"
#include "store/Questions.h"
#include "store/Settings.h"

#include <QString>
#include <QStringList>
#include <optional>

// The process-wide state: settings, the lines of english.ini and of the question
// file, the question table with the position in it, the message lists and the
// word-button bookkeeping. One object, handed to the windows by reference.
// Lists are indexed from 1; a count of -1 means the file was not found.
struct Module1
{
    AppSettings Settings;

    // english.ini: where it lives (the program's own directory) and its lines.
    IniFile Ini;

    // The question file's lines; the records of QuestionTable view them.
    TextLines QuestionLines;
    int QuestionLineCount = 0;
    QuestionList QuestionTable;

    int CurrentIndex = 0;
    int CurrentNumber = 0;
    int EligibleCount = 0;

    QStringList CorrectMessages;
    int CorrectMessageCount = 0;
    QStringList WrongMessages;
    int WrongMessageCount = 0;
    QStringList GiveupMessages;
    int GiveupMessageCount = 0;

    int WordButtonCount = 0;

    // The question file QuestionTable was read from, and the name its history
    // is saved under; a refused file leaves it. Empty until a file is read.
    QString LoadedQuestionFile;
    // Where the loaded file's history was found when its folder had moved (the
    // next save writes it under the new path); empty otherwise.
    QString HistoryMovedFrom;
    // Answers were judged since the table was last read or saved.
    bool Unsaved = false;

    // Whether position i holds a record: within the count and the table (a failed
    // load can leave the two apart).
    bool HoldsRecord(int i) const;
    // The record at CurrentIndex, or a blank one when the position holds none.
    const QuestionRecord& Current() const;
    QuestionRecord* CurrentRecord();
    // A question table was read and is still held: there is a history to save.
    bool HasHistory() const;
};

// Why a question file was not taken.
enum class LoadOutcome
{
    Loaded,
    Missing,
    // Refused, for one of the limits:
    TooManyLines, // over 32766 lines
    LineTooLong,  // a line over 32767 characters
    TooLarge,     // over the reader's size limit
};
// A file refused for one of the limits: nothing of it is taken.
inline bool IsRefusal(LoadOutcome outcome)
{
    return outcome != LoadOutcome::Loaded && outcome != LoadOutcome::Missing;
}

// Reads questionFile and, when it is usable, rebuilds QuestionLines,
// QuestionLineCount and QuestionTable with the history of english.ini merged and
// EligibleCount counted. A missing file sets QuestionLineCount to -1 and keeps
// the rest; a file over the limits changes nothing.
LoadOutcome LoadQuestionFile(Module1& m, const QString& questionFile);

// A question file read, checked, built into records and merged with the
// history of english.ini, not yet in the state: it touches nothing shared, so
// it can be made on another thread while the window is built.
struct PreparedQuestions
{
    QString path;
    LoadOutcome outcome = LoadOutcome::Missing;
    TextLines lines;
    int count = 0;
    QuestionList table;
    int eligible = 0;
    // The path of the section the history came from, when it was that of the
    // same file in a folder that was moved; empty otherwise.
    QString movedFrom;
};
PreparedQuestions PrepareQuestionFile(const IniFile& ini, DisplayFilter displayMode,
                                      const QString& questionFile);
// Takes a prepared file into the state, as LoadQuestionFile would have.
LoadOutcome TakeQuestionFile(Module1& m, PreparedQuestions&& prepared);

// What start-up reads before the window can show the first question:
// english.ini, the settings in it, and the question file they name.
struct StartupFiles
{
    IniFile ini;
    AppSettings settings;
    std::optional<PreparedQuestions> questions;
};
StartupFiles ReadStartupFiles(const QString& iniPath);

// The buttons that each operation mode shows; nothing for a mode the program
// does not know, whose controls then stay as they are.
struct ModeControls
{
    bool clear = false;  // BClear
    bool giveup = false; // BGiveup
    bool check = false;  // BCheck
};
std::optional<ModeControls> ControlsFor(Operation mode);

// What the question label shows of a question.
enum class QuestionSide
{
    Japanese,
    English,
};
// What チェック (F2) does with the question on display.
enum class CheckStep
{
    Judge,         // the answer built from the word buttons is judged and counted
    RevealEnglish, // the English appears in the answer box
    Nothing,
};
// What Return does before the question on display was judged or revealed.
enum class ReturnStep
{
    Nothing, // the answer is still being built
    Check,   // as チェック
    Next,    // as 次
};

// One row per operation mode: everything the window does differently in it.
struct ModeRules
{
    ModeControls controls;
    QuestionSide shown = QuestionSide::Japanese;
    bool wordButtons = false;         // the English comes as buttons to put in order
    bool firstQuestionAtOnce = false; // shown on load; otherwise 開始 shows it
    bool emptiedOnApply = false;      // applying settings empties the question and answer
    CheckStep check = CheckStep::Nothing;
    ReturnStep returnBeforeAnswer = ReturnStep::Nothing;
};
// The row of a mode; nothing for a mode the program does not know, whose
// controls then stay as they are and which shows no question.
std::optional<ModeRules> RulesFor(Operation mode);

// Reads a message file into list and count when its path is longer than 3
// characters; otherwise leaves both as they are.
void LoadMessageFile(const QString& path, QStringList& list, int& count);

// A path of 3 characters or fewer names no file.
bool NamesAFile(const QString& path);
