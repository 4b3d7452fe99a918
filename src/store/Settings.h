#pragma once

#include "store/TextLines.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>

// How a question is asked (line 16). A value the file holds outside these is
// kept as it is and changes nothing that depends on the mode.
enum class Operation : int
{
    WordButtons = 0,             // the English words as shuffled buttons
    PostcardJapaneseEnglish = 1, // Japanese shown, English revealed by チェック
    PostcardEnglishJapanese = 2, // English shown
};

// Which questions are asked (line 17); other values make no test.
enum class DisplayFilter : int
{
    All = 0,
    NotYetCorrect = 1, // never answered correctly
    AnsweredWrongly = 2,
};

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
    Operation OperationMode = Operation::WordButtons;
    DisplayFilter DisplayMode = DisplayFilter::All;

    bool operator==(const AppSettings&) const = default;
};

inline constexpr int SettingsLineCount = 17;

// What a settings line holds: a switch (1 on, anything else off), a number (the
// two modes) or a text (a path, a font name or a size as typed).
enum class SettingKind
{
    Switch,
    Number,
    Text,
};

// One settings line: its place in the file, its kind and the field it fills.
struct SettingsField
{
    int line;
    SettingKind kind;
    std::variant<int AppSettings::*, Operation AppSettings::*, DisplayFilter AppSettings::*,
                 QString AppSettings::*>
        member;
};

// The 17 lines in file order: the one description that reading, writing, the
// options dialog's filling and its collecting all follow.
extern const std::array<SettingsField, SettingsLineCount> SettingsFields;

// The value of a switch or number field, and setting it.
int NumberOf(const AppSettings& settings, const SettingsField& field);
void SetNumber(AppSettings& settings, const SettingsField& field, int value);
// The value of a text field, and setting it.
QString TextOf(const AppSettings& settings, const SettingsField& field);
void SetText(AppSettings& settings, const SettingsField& field, const QString& value);

// A whole number in the 16-bit range with blanks around it; anything else is
// no number.
std::optional<int> ParseInt16(const QString& text);
// Print form of an integer settings line: " 0 ", " 1 ", "-1 ".
QString FormatSettingsInteger(int value);

// Takes lines 1..17 into settings. A line that is empty, missing, not a number or
// out of range keeps the field's current value; so does a line that already
// belongs to a history section (a file made by a history save alone).
void TakeSettings(const TextLines& lines, int count, AppSettings& settings);

// True when a text holds CR or LF: as a settings value it would split its line
// and shift every line after it.
bool HasLineBreak(const QString& text);
// True when any text field of settings holds a line break.
bool HasLineBreak(const AppSettings& settings);

// The 17 settings lines in file order.
QStringList SettingsLines(const AppSettings& settings);

// The first line that a rewrite of the settings must keep: line 18, or the first
// history section when one starts earlier.
int FirstKeptLine(const TextLines& lines, int count);
