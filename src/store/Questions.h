#pragma once

#include "store/BigArray.h"
#include "store/TextLines.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// One record per line of the question file. Lists are indexed from 1: entry 0 of
// QuestionTable is a blank record that is never a question. Text is a view of
// the line in the file's lines, which the table's owner keeps alongside.
struct QuestionRecord
{
    int LineNo = 0;
    int Number = 0;
    QStringView Text;
    int Length = 0;
    int Reserved = 0;
    int CorrectCount = 0;
    int WrongCount = 0;
};

using QuestionList = std::vector<QuestionRecord, BigAllocator<QuestionRecord>>;

// The most a question file may hold: the line count and every length are 16-bit.
inline constexpr int MaxQuestionLines = 32766;
inline constexpr int MaxLineLength = 32767;
inline constexpr int MaxCounter = 32767;

// Why a question file cannot be taken, or Ok.
enum class QuestionFileCheck
{
    Ok,
    TooManyLines,
    LineTooLong,
};
QuestionFileCheck CheckQuestionLines(const TextLines& lines, int count);

// Fills table (entry 0 blank, then one record per line) from lines 1..count. The
// records view the lines, so they must outlive the table's use.
void BuildQuestionRecords(const TextLines& lines, int count, QuestionList& table);
void BuildQuestionRecords(const TextLines&& lines, int count, QuestionList& table) = delete;

int CountQuestions(const QuestionList& table, int count);
std::int32_t SumQuestionLengths(const QuestionList& table, int count);

// The parts of a question line around its first TAB. A line without a TAB is all
// sentence: both parts are the whole line, so a reveal or a give-up shows it.
QString EnglishPart(QStringView text);
QString JapanesePart(QStringView text);
bool HasTab(QStringView text);
