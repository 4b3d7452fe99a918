#include "store/Settings.h"

#include "store/History.h"
#include "store/SaveFile.h"

std::optional<int> ParseInt16(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return value;
}

QString FormatSettingsInteger(int value)
{
    return (value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value)) +
           QLatin1Char(' ');
}

void TakeSettings(const QStringList& lines, int count, AppSettings& s)
{
    const int usable = std::min({count, SettingsLineCount, FirstKeptLine(lines, count) - 1});
    auto line = [&](int n) { return n <= usable && n < lines.size() ? lines[n] : QString(); };
    auto takeInt = [&](int n, int& field) {
        if (const auto v = ParseInt16(line(n)))
            field = *v;
    };
    auto takeText = [&](int n, QString& field) {
        const QString t = line(n);
        if (!t.isEmpty())
            field = t;
    };
    takeInt(1, s.ShowCorrectMessage);
    takeInt(2, s.ShowWrongMessage);
    takeInt(3, s.ShowGiveupMessage);
    takeInt(4, s.ShowQuestionCount);
    takeInt(5, s.LimitQuestionCount);
    takeText(6, s.QuestionFile);
    takeText(7, s.CorrectMessageFile);
    takeText(8, s.WrongMessageFile);
    takeText(9, s.GiveupMessageFile);
    takeText(10, s.JapaneseFontName);
    takeText(11, s.JapaneseFontSize);
    takeText(12, s.EnglishFontName);
    takeText(13, s.EnglishFontSize);
    takeText(14, s.CommentFontName);
    takeText(15, s.CommentFontSize);
    takeInt(16, s.OperationMode);
    takeInt(17, s.DisplayMode);
}

QStringList SettingsLines(const AppSettings& s)
{
    return {FormatSettingsInteger(s.ShowCorrectMessage),
            FormatSettingsInteger(s.ShowWrongMessage),
            FormatSettingsInteger(s.ShowGiveupMessage),
            FormatSettingsInteger(s.ShowQuestionCount),
            FormatSettingsInteger(s.LimitQuestionCount),
            s.QuestionFile,
            s.CorrectMessageFile,
            s.WrongMessageFile,
            s.GiveupMessageFile,
            s.JapaneseFontName,
            s.JapaneseFontSize,
            s.EnglishFontName,
            s.EnglishFontSize,
            s.CommentFontName,
            s.CommentFontSize,
            FormatSettingsInteger(s.OperationMode),
            FormatSettingsInteger(s.DisplayMode)};
}

int FirstKeptLine(const QStringList& lines, int count)
{
    const int last = std::min({count, SettingsLineCount, static_cast<int>(lines.size()) - 1});
    for (int i = 1; i <= last; ++i) {
        if (IsSectionStart(lines, count, i))
            return i;
    }
    return SettingsLineCount + 1;
}

bool WriteSettings(const QString& iniPath, const AppSettings& settings, const QStringList& iniLines,
                   int iniLineCount)
{
    QStringList out = SettingsLines(settings);
    for (int i = FirstKeptLine(iniLines, iniLineCount); i <= iniLineCount && i < iniLines.size();
         ++i)
        out.append(iniLines[i]);
    return WriteLinesAtomically(iniPath, out);
}
