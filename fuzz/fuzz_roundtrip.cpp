// A save into any english.ini, then a load: the same counters come back, and a
// second save changes nothing.
#include "store/History.h"
#include "store/IniFile.h"
#include "store/TextFile.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <unistd.h>

namespace {

QString IniPath()
{
    static const QString path = [] {
        const QString dir = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                      : QDir::tempPath();
        return QStringLiteral("%1/quillmere-fuzz-%2.ini").arg(dir).arg(getpid());
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: how many questions; the next ones: counters; the rest: the
    // other content of english.ini.
    const int questions = data[0] % 40;
    const size_t counterBytes = std::min<size_t>(size - 1, static_cast<size_t>(questions) * 3);
    QStringList list;
    for (int i = 1; i <= questions; ++i)
        list << (i % 7 == 0 ? QString() : QStringLiteral("Line %1 here.\t行%1").arg(i));
    const TextLines lines = TextLines::FromList(list);
    QuestionList table;
    BuildQuestionRecords(lines, questions, table);
    for (size_t k = 0; k < counterBytes; ++k) {
        QuestionRecord& r = table[1 + k / 3];
        const int v = data[1 + k] * 128; // 0..32640, within the counters' range
        (k % 3 == 0 ? r.CorrectCount : k % 3 == 1 ? r.WrongCount : r.Reserved) = v;
    }
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1 + counterBytes,
                          static_cast<qsizetype>(size - 1 - counterBytes));
    {
        QFile f(IniPath());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(rest);
    }

    const QString path = QStringLiteral("/q/fuzz questions.txt");
    IniFile ini(IniPath());
    if (ini.SaveHistory(path, table, questions) != IniResult::Done)
        std::abort();
    TextLines reread;
    int rereadCount = 0;
    ReadTextFile(IniPath(), reread, rereadCount);
    if (!(reread == ini.Lines()) || rereadCount != ini.Count())
        std::abort();
    QuestionList back;
    BuildQuestionRecords(lines, questions, back);
    if (!MergeHistory(reread, rereadCount, path, back, questions))
        std::abort();
    for (int i = 1; i <= questions; ++i) {
        const QuestionRecord& a = table[static_cast<size_t>(i)];
        const QuestionRecord& b = back[static_cast<size_t>(i)];
        if (a.CorrectCount != b.CorrectCount || a.WrongCount != b.WrongCount ||
            a.Reserved != b.Reserved)
            std::abort();
    }
    const QByteArray once = [] {
        QFile f(IniPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    if (ini.SaveHistory(path, table, questions) != IniResult::Done)
        std::abort();
    QFile f(IniPath());
    f.open(QIODevice::ReadOnly);
    if (f.readAll() != once)
        std::abort();
    return 0;
}
