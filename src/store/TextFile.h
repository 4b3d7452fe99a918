#pragma once

#include "store/TextLines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a read went. Every caller sees count -1 for both failures; the writers of
// english.ini also need to know that a file exists but cannot be read, so they
// never replace it with a file built from nothing.
enum class ReadStatus
{
    Ok,
    Missing,
    Unreadable,
    TooLarge, // over the size asked for: refused, never read into memory
};

// What a file was when it was last read or written: a save can then tell that
// english.ini has not changed since and skip reading it again.
struct FileStamp
{
    bool known = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1; // -1: no file
    qint64 modifiedNs = 0;
    bool regular = false; // a plain file, not a folder, FIFO or device

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path now.
FileStamp StampOf(const QString& path);

// No question or message file a learner has is anywhere near this; a bigger
// one is refused rather than pulled into memory.
inline constexpr qint64 MaxTextFileBytes = qint64(128) * 1024 * 1024;
// english.ini has no such limit: whatever the program wrote, it reads back, as
// far as memory allows.
inline constexpr qint64 NoSizeLimit = -1;

// Reads a text file into lines 1..count. On failure the count is -1 and lines
// is left as it was. Only regular files are read, so a folder, a FIFO or a
// device never blocks or reads forever.
// When stamp is given it receives the file's stamp as it was read. A file of
// more than maxBytes (or more characters than lines can hold) is TooLarge; one
// that memory cannot hold is Unreadable.
ReadStatus ReadTextFile(const QString& path, TextLines& lines, int& count,
                        FileStamp* stamp = nullptr, qint64 maxBytes = MaxTextFileBytes);
// The same, each line its own string and entry 0 empty: for small files whose
// lines are handed around one by one.
ReadStatus ReadTextFile(const QString& path, QStringList& lines, int& count);

// UTF-8 when the bytes start with its BOM or are valid UTF-8; otherwise the
// encoding the charset detector finds likelier between UTF-8 and Shift_JIS
// (windows-31j), and where it names neither, UTF-8 only when its characters
// clearly outnumber the bytes that break it. Invalid bytes become replacement
// characters.
QString DecodeText(const QByteArray& bytes);
// The same into a block of characters, for the large files.
void DecodeTextInto(QByteArrayView bytes, BigArray<char16_t>& out);
