#pragma once

#include "store/Questions.h"
#include "store/TextLines.h"

#include <QString>
#include <QStringList>
#include <vector>

// Where one question file's history section lies in the lines of english.ini:
// start is its "History (" line and end its last line (its ")History" line, or,
// for a section that lost that line, the line before the next section or the
// last line of the file). start 0 means there is no section.
struct SectionBounds
{
    int start = 0;
    int end = 0;
};

// True when line i opens a history section: a "History (" line followed by a
// "0: " line.
bool IsSectionStart(const TextLines& lines, int count, int i);

// The section whose whole path after "0: " equals questionFile character for
// character; a path that is only the beginning of another never matches.
SectionBounds FindSection(const TextLines& lines, int count, const QString& questionFile);

// Restores Reserved, CorrectCount and WrongCount of records 1..count from the
// section of questionFile when its fingerprint matches; a record line that
// cannot be read, or holds a counter out of range, restores nothing for that
// record alone. Returns whether a section
// for this file exists at all (the eligible count depends on it).
// With movedFrom given, a file without a section of its own takes that of a
// file of the same name in another folder whose fingerprint matches (its folder
// was moved); movedFrom then receives that section's path.
bool MergeHistory(const TextLines& iniLines, int iniLineCount, const QString& questionFile,
                  QuestionList& table, int count, QString* movedFrom = nullptr);

// The lines of english.ini with the section of questionFile written in: replaced
// in place, or appended. Every other line is carried over as it stands.
TextLines LinesWithSection(const TextLines& iniLines, int iniLineCount, const QString& questionFile,
                           const QuestionList& table, int count);

// The lines of english.ini without the section b (found by FindSection; start 0
// leaves every line).
TextLines LinesWithoutSection(const TextLines& iniLines, int iniLineCount, SectionBounds b);

// What english.ini holds for one question file, read from its section as it is.
struct SectionSummary
{
    QString path;
    int questions = 0;          // the question count the section was written for
    int lines = 0;              // its record lines: the file's line count when last saved
    int tried = 0;              // records answered at least once
    int correctAtLeastOnce = 0; // records answered correctly at least once
};

// One summary for each history section, in file order. Damaged record lines
// count as never answered.
std::vector<SectionSummary> SummarizeSections(const TextLines& lines, int count);
