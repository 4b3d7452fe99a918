#pragma once

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
};

// Nothing the program reads is anywhere near this; a bigger file is refused
// rather than pulled into memory.
inline constexpr qint64 MaxTextFileBytes = qint64(512) * 1024 * 1024;

// Reads a text file into lines 1..count (entry 0 stays empty). On failure the
// count is -1 and lines is left as it was. Only regular files are read, so a
// folder, a FIFO or a device never blocks or reads forever.
ReadStatus ReadTextFile(const QString& path, QStringList& lines, int& count);

// UTF-8 when the bytes start with its BOM or are valid UTF-8, else Shift_JIS
// (windows-31j). Invalid bytes become replacement characters.
QString DecodeText(const QByteArray& bytes);

// Splits at CR LF, lone CR and lone LF into lines 1..count; a final line end
// makes no extra empty line. Yields to the window after each line.
void SplitTextLines(const QString& text, QStringList& lines, int& count);
