#include "store/IniFile.h"

#include "store/History.h"
#include "store/SaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

// Only a read that worked tells a later save what the file holds.
bool ReadWorked(ReadStatus status)
{
    return status == ReadStatus::Ok || status == ReadStatus::Missing;
}

} // namespace

ReadStatus IniFile::Read()
{
    status_ = ReadTextFile(path_, lines_, count_, &stamp_, NoSizeLimit);
    stamp_.known = ReadWorked(status_);
    return status_;
}

bool IniFile::Unreadable() const
{
    return !ReadWorked(status_);
}

void IniFile::AdoptRead(IniFile&& read)
{
    lines_ = std::move(read.lines_);
    count_ = read.count_;
    stamp_ = read.stamp_;
    status_ = read.status_;
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

bool IniFile::MergeHistory(const QString& questionFile, QuestionList& table, int count,
                           QString* movedFrom) const
{
    return ::MergeHistory(lines_, count_, questionFile, table, count, movedFrom);
}

bool IniFile::Reread()
{
    if (stamp_.known && stamp_ == StampOf(path_))
        return true;
    TextLines lines;
    int count = 0;
    FileStamp read;
    status_ = ReadTextFile(path_, lines, count, &read, NoSizeLimit);
    if (!ReadWorked(status_)) {
        // The file is there but could not be read: nothing may replace it, and
        // its stamp must not pass for that of a read.
        stamp_.known = false;
        return false;
    }
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
    const FileStamp now = StampOf(path_);
    if (!now.regular || now.size <= 0) {
        backedUp_ = true;
        return;
    }
    QDir folder(backupFolder_);
    // A copy that fails (a full disk) is tried again before the next rewrite.
    if (!folder.exists() && !QDir().mkpath(backupFolder_))
        return;
    // Named in UTC, so the names sort by time whatever the time zone of the
    // run that made them, to the millisecond.
    const QString stem = QStringLiteral("english-") + QDateTime::currentDateTimeUtc().toString(
                                                          QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString name = stem + QStringLiteral(".ini");
    for (int n = 2; folder.exists(name) && n < 100; ++n)
        name = stem + QStringLiteral("-%1.ini").arg(n);
    if (!QFile::copy(path_, folder.filePath(name))) {
        folder.remove(name);
        return;
    }
    backedUp_ = true;
    // The copy just made always stays, even beside names that sort after it
    // (made with another clock); of the others the newest stay.
    QStringList kept = folder.entryList({QStringLiteral("english-*.ini")}, QDir::Files,
                                        QDir::Name | QDir::Reversed);
    kept.removeAll(name);
    for (qsizetype i = BackupsKept - 1; i < kept.size(); ++i)
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
    status_ = ReadStatus::Ok;
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
