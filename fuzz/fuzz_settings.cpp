// Taking the settings and merging the history from any english.ini: no crash,
// sections bounded, counters in range.
#include "quiz/Selection.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextLines ini(DecodeText(bytes));
    const int count = ini.Count();
    AppSettings s;
    TakeSettings(ini, count, s);
    if (FormatSettingsInteger(int(s.OperationMode)).trimmed().toInt() != int(s.OperationMode))
        std::abort();

    // A small question file, merged under every path the file names, and under
    // the path of its settings.
    const TextLines lines =
        TextLines::FromList({QStringLiteral("ab\tcd"), QString(), QStringLiteral("x\ty")});
    QStringList paths{s.QuestionFile, QStringLiteral("/q/a.txt")};
    for (int i = 1; i <= count; ++i) {
        if (IsSectionStart(ini, count, i))
            paths << ini[i + 1].mid(3).toString();
    }
    for (const QString& path : paths) {
        const SectionBounds b = FindSection(ini, count, path);
        if (b.start < 0 || b.start > count || (b.start > 0 && (b.end <= b.start || b.end > count)))
            std::abort();
        QuestionList table;
        BuildQuestionRecords(lines, 3, table);
        const bool has = MergeHistory(ini, count, path, table, 3);
        if (has != (b.start > 0))
            std::abort();
        for (const QuestionRecord& r : table) {
            if (r.CorrectCount < 0 || r.CorrectCount > MaxCounter || r.WrongCount < 0 ||
                r.WrongCount > MaxCounter)
                std::abort();
        }
        for (int mode = 0; mode < 4; ++mode) {
            if (CountEligible(table, 3, static_cast<DisplayFilter>(mode), has) > 2)
                std::abort();
        }
    }
    return 0;
}
