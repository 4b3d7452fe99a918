#include "store/IniFile.h"

#include "store/History.h"
#include "store/SaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

ReadStatus IniFile::Read()
{
    return ReadTextFile(path_, lines_, count_, &stamp_);
}

void IniFile::AdoptRead(IniFile&& read)
{
    lines_ = std::move(read.lines_);
    count_ = read.count_;
    stamp_ = read.stamp_;
}

void IniFile::Release()
{
    lines_ = TextLines();
    stamp_.known = false;
}

void IniFile::TakeSettings(AppSettings& settings) const
{
    ::TakeSettings(lines_, count_, settings);
}

bool IniFile::MergeHistory(const QString& questionFile, QuestionList& table, int count) const
{
    return ::MergeHistory(lines_, count_, questionFile, table, count);
}

bool IniFile::Reread()
{
    if (stamp_.known && stamp_ == StampOf(path_))
        return true;
    TextLines lines;
    int count = 0;
    FileStamp read;
    const ReadStatus status = ReadTextFile(path_, lines, count, &read);
    if (status != ReadStatus::Ok && status != ReadStatus::Missing)
        return false;
    lines_ = std::move(lines);
    count_ = count;
    stamp_ = read;
    return true;
}

void IniFile::KeepBackupsIn(const QString& folder)
{
    backupFolder_ = folder;
}

void IniFile::BackUp()
{
    if (backedUp_ || backupFolder_.isEmpty())
        return;
    backedUp_ = true;
    const FileStamp now = StampOf(path_);
    if (!now.regular || now.size <= 0)
        return;
    QDir folder(backupFolder_);
    if (!folder.exists() && !QDir().mkpath(backupFolder_))
        return;
    // Names sort by time, to the millisecond.
    const QString stem = QStringLiteral("english-") + QDateTime::currentDateTime().toString(
                                                          QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString name = stem + QStringLiteral(".ini");
    for (int n = 2; folder.exists(name) && n < 100; ++n)
        name = stem + QStringLiteral("-%1.ini").arg(n);
    if (!QFile::copy(path_, folder.filePath(name)))
        return;
    const QStringList kept = folder.entryList({QStringLiteral("english-*.ini")}, QDir::Files,
                                              QDir::Name | QDir::Reversed);
    for (qsizetype i = BackupsKept; i < kept.size(); ++i)
        folder.remove(kept[i]);
}

IniResult IniFile::Rewrite(TextLines out)
{
    BackUp();
    if (!WriteTextAtomically(path_, out.Text())) {
        stamp_.known = false;
        return IniResult::Unwritable;
    }
    count_ = out.Count();
    lines_ = std::move(out);
    stamp_ = StampOf(path_);
    return IniResult::Done;
}

IniResult IniFile::WriteSettings(const AppSettings& settings)
{
    if (!Reread())
        return IniResult::Unreadable;
    TextLinesWriter out;
    out.Reserve(lines_.Characters() + 1024, std::max(count_, 0) + SettingsLineCount);
    for (const QString& line : SettingsLines(settings))
        out.Append(line);
    out.AppendLines(lines_, FirstKeptLine(lines_, count_), count_);
    return Rewrite(out.Take());
}

IniResult IniFile::SaveHistory(const QString& questionFile, const QuestionList& table, int count)
{
    if (count < 0)
        return IniResult::Done;
    if (!Reread())
        return IniResult::Unreadable;
    return Rewrite(LinesWithSection(lines_, count_, questionFile, table, count));
}

IniResult IniFile::ClearHistory(const QString& questionFile, QuestionList& table, int count)
{
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        table[static_cast<size_t>(i)].CorrectCount = 0;
        table[static_cast<size_t>(i)].WrongCount = 0;
    }
    if (!Reread())
        return IniResult::Unreadable;
    const SectionBounds section = FindSection(lines_, count_, questionFile);
    if (section.start == 0)
        return IniResult::Done;
    return Rewrite(LinesWithoutSection(lines_, count_, section));
}
