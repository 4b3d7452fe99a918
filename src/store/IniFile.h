#pragma once

#include "store/Questions.h"
#include "store/Settings.h"
#include "store/TextFile.h"

#include <QString>

// How a change to english.ini went. On either failure the file is unchanged.
enum class IniResult
{
    Done,
    Unreadable, // the file exists but cannot be read, so it is never rebuilt from nothing
    Unwritable, // the new file could not be written
};

inline constexpr int BackupsKept = 10;

// english.ini: the 17 settings lines, then one history section per question
// file. The object owns the file's path, its lines as last read or written, and
// the stamp that tells whether the file changed on disk since.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }
    // Lines 1..Count() (entry 0 stays empty); Count() is -1 when the last read
    // found no readable file.
    const TextLines& Lines() const { return lines_; }
    int Count() const { return count_; }
    bool Missing() const { return count_ == -1; }
    // The file is there but the last read of it failed (too large for memory,
    // no permission, an I/O error): nothing is written over it until a read
    // works.
    bool Unreadable() const;

    // Reads the file as it is now.
    ReadStatus Read();
    // Before the first rewrite made through this object, the file as it is is
    // copied into folder (made when missing), named by the date and time in
    // UTC; the copy just made and the newest others, BackupsKept in all, stay.
    // A failed copy never stops the rewrite, and is tried again before the next.
    void KeepBackupsIn(const QString& folder);
    // Drops the lines held in memory; the file stays as it is.
    void Release();
    // Takes the lines and stamp of a read made elsewhere (on another thread at
    // start-up), keeping this object's path and backup folder.
    void AdoptRead(IniFile&& read);

    // Takes lines 1..17 into settings (see TakeSettings).
    void TakeSettings(AppSettings& settings) const;
    // Restores the counters of records 1..count from questionFile's section;
    // returns whether the file has a section for it at all. With movedFrom, a
    // section of the same file in a folder that was moved counts (see
    // ::MergeHistory).
    bool MergeHistory(const QString& questionFile, QuestionList& table, int count,
                      QString* movedFrom = nullptr) const;

    // Rewrites the 17 settings lines and keeps every line after them.
    IniResult WriteSettings(const AppSettings& settings);
    // Writes questionFile's section (replaced in place, or appended). A question
    // file that was missing (count below 0) writes nothing.
    IniResult SaveHistory(const QString& questionFile, const QuestionList& table, int count);
    // Zeroes the counters of records 1..count and removes questionFile's section;
    // a file without that section is not touched.
    IniResult ClearHistory(const QString& questionFile, QuestionList& table, int count);

private:
    // Brings the lines up to the file, reading it only when it may have changed.
    bool Reread();
    // Replaces the file with the text of out and keeps its lines as the file's.
    IniResult Rewrite(TextLines out);

    void BackUp();

    QString path_;
    QString backupFolder_;
    bool backedUp_ = false;
    TextLines lines_;
    int count_ = 0;
    FileStamp stamp_;
    ReadStatus status_ = ReadStatus::Ok;
};
