#include "store/Settings.h"

#include "store/History.h"

#include <algorithm>
#include <type_traits>

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

const std::array<SettingsField, SettingsLineCount> SettingsFields = {{
    {1, SettingKind::Switch, &AppSettings::ShowCorrectMessage},
    {2, SettingKind::Switch, &AppSettings::ShowWrongMessage},
    {3, SettingKind::Switch, &AppSettings::ShowGiveupMessage},
    {4, SettingKind::Switch, &AppSettings::ShowQuestionCount},
    {5, SettingKind::Switch, &AppSettings::LimitQuestionCount},
    {6, SettingKind::Text, &AppSettings::QuestionFile},
    {7, SettingKind::Text, &AppSettings::CorrectMessageFile},
    {8, SettingKind::Text, &AppSettings::WrongMessageFile},
    {9, SettingKind::Text, &AppSettings::GiveupMessageFile},
    {10, SettingKind::Text, &AppSettings::JapaneseFontName},
    {11, SettingKind::Text, &AppSettings::JapaneseFontSize},
    {12, SettingKind::Text, &AppSettings::EnglishFontName},
    {13, SettingKind::Text, &AppSettings::EnglishFontSize},
    {14, SettingKind::Text, &AppSettings::CommentFontName},
    {15, SettingKind::Text, &AppSettings::CommentFontSize},
    {16, SettingKind::Number, &AppSettings::OperationMode},
    {17, SettingKind::Number, &AppSettings::DisplayMode},
}};

int NumberOf(const AppSettings& s, const SettingsField& field)
{
    return std::visit(
        [&](auto member) -> int {
            if constexpr (std::is_same_v<decltype(member), QString AppSettings::*>)
                return 0;
            else
                return static_cast<int>(s.*member);
        },
        field.member);
}

void SetNumber(AppSettings& s, const SettingsField& field, int value)
{
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, int AppSettings::*>)
                s.*member = value;
            else if constexpr (!std::is_same_v<Member, QString AppSettings::*>)
                s.*member = static_cast<std::remove_reference_t<decltype(s.*member)>>(value);
        },
        field.member);
}

QString TextOf(const AppSettings& s, const SettingsField& field)
{
    const auto* member = std::get_if<QString AppSettings::*>(&field.member);
    return member ? s.**member : QString();
}

void SetText(AppSettings& s, const SettingsField& field, const QString& value)
{
    if (const auto* member = std::get_if<QString AppSettings::*>(&field.member))
        s.** member = value;
}

void TakeSettings(const TextLines& lines, int count, AppSettings& s)
{
    const int usable = std::min({count, SettingsLineCount, FirstKeptLine(lines, count) - 1});
    for (const SettingsField& field : SettingsFields) {
        const QString line = field.line <= usable ? lines[field.line].toString() : QString();
        if (field.kind == SettingKind::Text) {
            if (!line.isEmpty())
                SetText(s, field, line);
        } else if (const auto v = ParseInt16(line)) {
            SetNumber(s, field, *v);
        }
    }
}

bool HasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool HasLineBreak(const AppSettings& s)
{
    return std::any_of(SettingsFields.begin(), SettingsFields.end(), [&](const SettingsField& f) {
        return f.kind == SettingKind::Text && HasLineBreak(TextOf(s, f));
    });
}

QStringList SettingsLines(const AppSettings& s)
{
    QStringList out;
    for (const SettingsField& field : SettingsFields)
        out << (field.kind == SettingKind::Text ? TextOf(s, field)
                                                : FormatSettingsInteger(NumberOf(s, field)));
    return out;
}

int FirstKeptLine(const TextLines& lines, int count)
{
    const int last = std::min({count, SettingsLineCount, static_cast<int>(lines.size()) - 1});
    for (int i = 1; i <= last; ++i) {
        if (IsSectionStart(lines, count, i))
            return i;
    }
    return SettingsLineCount + 1;
}
