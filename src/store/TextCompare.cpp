#include "store/TextCompare.h"

namespace {

bool IsAscii(const QString& s)
{
    for (const QChar c : s) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

QChar FoldOne(QChar c)
{
    if (c.unicode() < 0x80)
        return QChar(c.toCaseFolded());
    const QString f = FoldForCompare(QString(c));
    return f.size() == 1 ? f[0] : QChar(0xFFFF);
}

} // namespace

QString FoldForCompare(const QString& text)
{
    if (IsAscii(text))
        return text.toCaseFolded();
    QString s = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    for (QChar& c : s) {
        const char16_t u = c.unicode();
        // Katakana ァ..ヶ and the iteration marks ヽヾ sit 0x60 above their hiragana.
        if ((u >= 0x30A1 && u <= 0x30F6) || u == 0x30FD || u == 0x30FE)
            c = QChar(static_cast<char16_t>(u - 0x60));
    }
    return s;
}

bool TextEquals(const QString& a, const QString& b)
{
    if (IsAscii(a) && IsAscii(b))
        return a.compare(b, Qt::CaseInsensitive) == 0;
    return FoldForCompare(a) == FoldForCompare(b);
}

bool TextContains(const QString& haystack, const QString& needle)
{
    if (IsAscii(haystack) && IsAscii(needle))
        return haystack.contains(needle, Qt::CaseInsensitive);
    return FoldForCompare(haystack).contains(FoldForCompare(needle));
}

qsizetype TextIndexOfChar(const QString& text, QChar ch, qsizetype from)
{
    const QChar want = FoldOne(ch);
    for (qsizetype i = std::max<qsizetype>(from, 0); i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == ch || FoldOne(c) == want)
            return i;
    }
    return -1;
}
