#pragma once

#include "store/BigArray.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <memory>

// The lines of a text held as one block of characters and where each line lies
// in it, so a file of tens of thousands of lines is two blocks of memory, not a
// string per line. Lines are numbered from 1; line 0 and any line past the end
// read as empty. Copies share the blocks, and a view of a line stays good while
// any copy lives; nothing changes a text once it is made.
class TextLines
{
public:
    TextLines() = default;
    // Splits text at CR LF, lone CR and lone LF; a final line end makes no extra
    // empty line.
    explicit TextLines(QStringView text);
    // Takes characters already in a block (a decoded file) and splits them.
    explicit TextLines(BigArray<char16_t>&& text);
    // The lines of a list, lines[0] being line 1.
    static TextLines FromList(const QStringList& lines);

    // The most characters a text can hold: where a line lies is kept in 32 bits.
    static constexpr std::size_t MaxCharacters = UINT32_MAX;

    int Count() const { return store_ ? static_cast<int>(store_->spans.size()) : 0; }
    // Count() + 1, as for a list whose entry 0 is unused.
    qsizetype size() const { return Count() + 1; }
    QStringView operator[](qsizetype i) const
    {
        if (i < 1 || i > Count())
            return {};
        const Span s = store_->spans[static_cast<std::size_t>(i - 1)];
        return QStringView(store_->text.data() + s.start, s.length);
    }
    // The whole text, line ends included, as it was read or written.
    QStringView Text() const
    {
        return store_ ? QStringView(store_->text.data(), store_->text.size()) : QStringView();
    }
    qsizetype Characters() const { return store_ ? store_->text.size() : 0; }
    // Each line as its own string, entry 0 empty: for the few small files whose
    // lines are handed around one by one.
    QStringList ToList() const;

    bool operator==(const TextLines& other) const;

private:
    friend class TextLinesWriter;
    struct Span
    {
        std::uint32_t start;
        std::uint32_t length;
    };
    struct Store
    {
        BigArray<char16_t> text;
        BigArray<Span> spans;
    };
    void Split();

    std::shared_ptr<Store> store_;
};

// Builds the text of a file line by line, each ending in CR LF, into one block;
// Take() gives it as the lines of that text.
class TextLinesWriter
{
public:
    TextLinesWriter();
    void Reserve(qsizetype characters, qsizetype lines);
    void Append(QStringView line);
    // Lines first..last of from, as they are.
    void AppendLines(const TextLines& from, int first, int last);
    TextLines Take();

private:
    TextLines lines_;
};
