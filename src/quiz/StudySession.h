#pragma once

#include "quiz/Module1.h"
#include "quiz/Selection.h"

#include <QObject>
#include <QString>
#include <optional>

// What the window shows of the question on display, by the rules of the
// operation mode in force.
struct QuestionView
{
    QString question;         // the question label: Japanese, or English
    QString english;          // the right answer
    bool wordButtons = false; // the English comes as buttons to put in order
};

// The study flow over the loaded question file: the Start, Next and Back
// moves, going to a line, judging and giving up, mixing the order, and whether
// answers wait to be saved. The window asks it what to do and shows what it
// says; what changed comes back as signals, which the status bar and the
// progress window listen to. QtCore only: tests drive it without a window.
class StudySession : public QObject
{
    Q_OBJECT

public:
    explicit StudySession(Module1& state, QObject* parent = nullptr);

    Module1& State() { return m; }
    const Module1& State() const { return m; }
    std::optional<ModeRules> Rules() const { return RulesFor(m.Settings.OperationMode); }

    // Takes a question file that was read (or found missing) into the state;
    // a refused one changes nothing.
    LoadOutcome Take(PreparedQuestions&& prepared);
    // Forgets the question table: nothing was read in its place.
    void Drop();

    MoveResult Start();
    // limit is the number in the question-limit box, when it holds one.
    MoveResult Next(std::optional<int> limit);
    MoveResult Back();
    // The question on line (from 1) of the file, when the display mode asks
    // it; false (nothing moves) otherwise.
    bool GoToLine(int line);

    // The question on display as the mode shows it; nothing when no record is
    // there.
    std::optional<QuestionView> Current() const;
    // Judges a word-button answer and counts it: whether it was right, or
    // nothing when no question is there to count.
    std::optional<bool> Judge(const QString& answer);
    // The right answer, shown after a give-up; nothing is counted.
    std::optional<QString> GiveUp() const;
    // Mixes the order of the questions and goes back to the first.
    void Mix();

    bool Unsaved() const { return m.Unsaved; }
    // The history as it is now was written.
    void Saved() { m.Unsaved = false; }
    // The loaded file's counters were cleared.
    void Cleared();

signals:
    // A move put the question at index (in the table) on display.
    void questionShown(int index);
    // The answer to the question at index was judged.
    void verdict(int index, bool correct);
    // The counters of the record at index changed.
    void recordChanged(int index);
    // The table was read, dropped, mixed or cleared: everything may differ.
    void tableReset();

private:
    void Shown(MoveResult result);

    Module1& m;
};
