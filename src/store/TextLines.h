#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

// The lines of a text held as one string and where each line lies in it, so a
// file of tens of thousands of lines is two blocks of memory, not a string per
// line. Lines are numbered from 1; line 0 and any line past the end read as
// empty. Copies share the one string, and a view of a line stays good while
// any copy lives; nothing ever changes the string in place.
class TextLines
{
public:
    TextLines() = default;
    // Splits text at CR LF, lone CR and lone LF; a final line end makes no extra
    // empty line.
    explicit TextLines(QString text);
    // The lines of a list, lines[0] being line 1.
    static TextLines FromList(const QStringList& lines);

    int Count() const { return static_cast<int>(spans_.size()); }
    // Count() + 1, as for a list whose entry 0 is unused.
    qsizetype size() const { return spans_.size() + 1; }
    QStringView operator[](qsizetype i) const
    {
        if (i < 1 || i > static_cast<qsizetype>(spans_.size()))
            return {};
        const Span s = spans_[static_cast<size_t>(i - 1)];
        return QStringView(text_).sliced(s.start, s.length);
    }
    // The whole text, line ends included, as it was read or written.
    QStringView Text() const { return text_; }
    qsizetype Characters() const { return text_.size(); }
    // Each line as its own string, entry 0 empty: for the few small files whose
    // lines are handed around one by one.
    QStringList ToList() const;

    bool operator==(const TextLines& other) const;

private:
    friend class TextLinesWriter;
    // A file of the greatest size read is far below 2^31 characters.
    struct Span
    {
        std::uint32_t start;
        std::uint32_t length;
    };
    QString text_;
    std::vector<Span> spans_;
};

// Builds the text of a file line by line, each ending in CR LF, into one string;
// Take() gives it as the lines of that text.
class TextLinesWriter
{
public:
    void Reserve(qsizetype characters, qsizetype lines);
    void Append(QStringView line);
    // Lines first..last of from, as they are.
    void AppendLines(const TextLines& from, int first, int last);
    // The whole text written so far, as it goes to the file.
    QStringView Text() const { return lines_.text_; }
    TextLines Take();

private:
    TextLines lines_;
};
