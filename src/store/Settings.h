#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The 17 options, one per line of english.ini, in file order.
struct AppSettings
{
    int ShowCorrectMessage = 0;
    int ShowWrongMessage = 0;
    int ShowGiveupMessage = 0;
    int ShowQuestionCount = 0;
    int LimitQuestionCount = 0;
    QString QuestionFile;
    QString CorrectMessageFile;
    QString WrongMessageFile;
    QString GiveupMessageFile;
    QString JapaneseFontName;
    QString JapaneseFontSize;
    QString EnglishFontName;
    QString EnglishFontSize;
    QString CommentFontName;
    QString CommentFontSize;
    int OperationMode = 0;
    int DisplayMode = 0;

    bool operator==(const AppSettings&) const = default;
};

inline constexpr int SettingsLineCount = 17;

// A whole number in the 16-bit range with blanks around it; anything else is
// no number.
std::optional<int> ParseInt16(const QString& text);
// Print form of an integer settings line: " 0 ", " 1 ", "-1 ".
QString FormatSettingsInteger(int value);

// Takes lines 1..17 into settings. A line that is empty, missing, not a number or
// out of range keeps the field's current value; so does a line that already
// belongs to a history section (a file made by a history save alone).
void TakeSettings(const QStringList& lines, int count, AppSettings& settings);

// The 17 settings lines in file order.
QStringList SettingsLines(const AppSettings& settings);

// The first line that a rewrite of the settings must keep: line 18, or the first
// history section when one starts earlier.
int FirstKeptLine(const QStringList& lines, int count);

// Rewrites the 17 settings lines and keeps the rest of iniLines. False when the
// file could not be written; it is then unchanged.
bool WriteSettings(const QString& iniPath, const AppSettings& settings, const QStringList& iniLines,
                   int iniLineCount);
