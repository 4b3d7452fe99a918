// Saves a large history over and over, alternating between two versions of its
// counters, until it is killed. Used by the killed-saves test.
#include "store/IniFile.h"

#include <cstdio>

// The question table both the saver and the test build; version picks the
// counters.
QuestionList SaveLoopTable(int records, int version)
{
    QStringList lines{QString()};
    for (int i = 1; i <= records; ++i)
        lines << QStringLiteral("Sentence %1 to learn.\t文%1").arg(i);
    QuestionList table;
    const TextLines text = TextLines::FromList(lines.mid(1));
    BuildQuestionRecords(text, records, table);
    // A save needs the lengths and counts; the text goes with the lines.
    for (QuestionRecord& r : table)
        r.Text = {};
    for (int i = 1; i <= records; ++i) {
        table[static_cast<size_t>(i)].CorrectCount = version ? i % 7 : 0;
        table[static_cast<size_t>(i)].WrongCount = version ? 0 : i % 5;
    }
    return table;
}

#ifndef SAVE_LOOP_NO_MAIN
int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    const QString ini = QString::fromLocal8Bit(argv[1]);
    const int records = atoi(argv[2]);
    const QuestionList versions[2] = {SaveLoopTable(records, 0), SaveLoopTable(records, 1)};
    IniFile file(ini);
    std::puts("saving");
    std::fflush(stdout);
    for (unsigned n = 0;; ++n)
        file.SaveHistory(QStringLiteral("/q/loop.txt"), versions[n % 2], records);
}
#endif
