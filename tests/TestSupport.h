#pragma once

#include "quiz/Module1.h"
#include "store/IniFile.h"
#include "store/TextFile.h"
#include "ui/DialogSeam.h"
#include "ui/frmMain.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <csignal>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Writes bytes to a file, creating it.
inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Lines joined with CR LF, each ended by one, UTF-8.
inline QByteArray CrLf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

// A list indexed from 1, as the program keeps them.
inline QStringList FromOne(QStringList lines)
{
    lines.prepend(QString());
    return lines;
}

// The same lines held as the program holds a file's, line 1 first.
inline TextLines LinesOf(const QStringList& lines)
{
    return TextLines::FromList(lines);
}

// The 17 settings lines with the given question file and modes.
inline QStringList SettingsFor(const QString& questionFile, int operationMode = 0,
                               int displayMode = 0, const QStringList& messageFiles = {})
{
    QStringList s = {" 0 ", " 0 ", " 0 ", " 0 ", " 0 ", questionFile};
    for (int i = 0; i < 3; ++i)
        s << messageFiles.value(i);
    s << ""
      << ""
      << ""
      << ""
      << ""
      << "";
    s << QStringLiteral(" %1 ").arg(operationMode) << QStringLiteral(" %1 ").arg(displayMode);
    return s;
}

// Makes a folder (and, when given, a file in it) refuse writes for as long as it
// lives: by permissions, or for root by the immutable attribute, or failing both
// by a file size limit of 0 for the whole process.
class WriteBlock
{
public:
    explicit WriteBlock(const QString& dir, const QString& file = QString())
        : dir_(dir), file_(file)
    {
        ::chmod(qPrintable(dir_), 0555);
        if (!file_.isEmpty())
            ::chmod(qPrintable(file_), 0444);
        if (blocked())
            return;
        QProcess::execute("chattr", file_.isEmpty() ? QStringList{"+i", dir_}
                                                    : QStringList{"+i", dir_, file_});
        immutable_ = true;
        if (blocked())
            return;
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit none = old_;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
        limited_ = true;
    }
    ~WriteBlock()
    {
        if (limited_)
            ::setrlimit(RLIMIT_FSIZE, &old_);
        if (immutable_)
            QProcess::execute("chattr", file_.isEmpty() ? QStringList{"-i", dir_}
                                                        : QStringList{"-i", dir_, file_});
        ::chmod(qPrintable(dir_), 0755);
        if (!file_.isEmpty())
            ::chmod(qPrintable(file_), 0644);
    }
    WriteBlock(const WriteBlock&) = delete;
    WriteBlock& operator=(const WriteBlock&) = delete;

private:
    bool blocked() const
    {
        const QString probe = dir_ + "/.probe";
        const int fd = ::open(qPrintable(probe), O_WRONLY | O_CREAT, 0644);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(qPrintable(probe));
            return false;
        }
        return true;
    }
    QString dir_, file_;
    bool immutable_ = false;
    bool limited_ = false;
    rlimit old_{};
};

// Answers the program's modal prompts from queues a test fills.
class ScriptedDialogs : public DialogSeam
{
public:
    std::deque<QString> files;
    std::deque<std::optional<QFont>> fonts;
    std::deque<bool> confirms;
    std::deque<SaveChoice> saveChoices;
    std::optional<SaveChoice> lastSaveChoice;
    QStringList asked; // titles and prompts, in order
    QStringList told;  // messages shown with Inform
    QFont lastFontPreset;

    QString OpenFileName(QWidget*, const QString& title, const QString& filter) override
    {
        asked << title + QLatin1Char('|') + filter;
        if (files.empty())
            return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<QFont> ChooseFont(QWidget*, const QFont& preset) override
    {
        lastFontPreset = preset;
        asked << QStringLiteral("font");
        if (fonts.empty())
            return std::nullopt;
        auto f = fonts.front();
        fonts.pop_front();
        return f;
    }
    bool ConfirmOkCancel(QWidget*, const QString& title, const QString& text) override
    {
        asked << title + QLatin1Char('|') + text;
        if (confirms.empty())
            return false;
        bool b = confirms.front();
        confirms.pop_front();
        return b;
    }
    SaveChoice AskSave(QWidget*, const QString& title, const QString& text) override
    {
        asked << title + QLatin1Char('|') + text;
        lastSaveChoice = saveChoices.empty() ? SaveChoice::Cancel : saveChoices.front();
        if (!saveChoices.empty())
            saveChoices.pop_front();
        return *lastSaveChoice;
    }
    void Inform(QWidget*, const QString&, const QString& text) override { told << text; }
};

// The first word button showing word, unused ones first; null when none does.
inline QPushButton* WordButton(frmMain& w, const QString& word, bool unusedOnly = false)
{
    for (size_t i = 1; i < w.WordButtons().size(); ++i) {
        const int index = static_cast<int>(i);
        if (w.WordOf(index) == word && !(unusedOnly && w.WordUsed(index)))
            return w.WordButtons()[i];
    }
    return nullptr;
}

// Answers the question on display by clicking its words in sentence order, or
// in reverse order for a wrong answer.
inline void Answer(frmMain& w, bool right)
{
    const QStringList words = [&] {
        QStringList l;
        QString e = w.State().Current().Text.toString().section('\t', 0, 0);
        for (const QString& part : e.split(' '))
            l << (l.isEmpty() ? part : " " + part);
        return l;
    }();
    QStringList order = words;
    if (!right)
        std::reverse(order.begin(), order.end());
    for (const QString& word : order) {
        if (QPushButton* b = WordButton(w, word, true))
            QTest::mouseClick(b, Qt::LeftButton);
    }
}

// Moves to the record on the given line of the file.
inline void GoToLine(frmMain& w, int line)
{
    for (int guard = 0; guard < 100 && w.State().Current().LineNo != line; ++guard)
        QTest::mouseClick(w.Ui().BNext, Qt::LeftButton);
}

// The words of the word buttons that are children of the window, sorted: a
// button left behind by a removal shows up here too.
inline QStringList WordsOnWindow(frmMain& w)
{
    QStringList words;
    for (auto* b : w.centralWidget()->findChildren<QPushButton*>()) {
        if (b->objectName().startsWith("Words_") && b != w.WordButtons()[0])
            words << b->property("word").toString();
    }
    words.sort();
    return words;
}

// The face colour of a control: a button's face, a box's base, else its window.
inline QColor FaceOf(QWidget* w)
{
    if (qobject_cast<QPushButton*>(w))
        return w->palette().color(QPalette::Button);
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w))
        return w->palette().color(QPalette::Base);
    return w->palette().color(QPalette::Window);
}

// The counters english.ini holds for a question file, by line: "correct/wrong".
inline QStringList CountsOnDisk(const QString& iniPath, const QString& questionFile)
{
    IniFile ini(iniPath);
    ini.Read();
    TextLines text;
    int count = 0;
    ReadTextFile(questionFile, text, count);
    QuestionList table;
    BuildQuestionRecords(text, count, table);
    ini.MergeHistory(questionFile, table, count);
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("%1/%2").arg(table[i].CorrectCount).arg(table[i].WrongCount);
    return out;
}

// The counters of the table in memory, by line of the file.
inline QStringList CountsInMemory(const Module1& m)
{
    QStringList out(std::max(m.QuestionLineCount, 0));
    for (size_t i = 1; i < m.QuestionTable.size(); ++i) {
        const QuestionRecord& r = m.QuestionTable[i];
        if (r.LineNo >= 1 && r.LineNo <= out.size())
            out[r.LineNo - 1] = QStringLiteral("%1/%2").arg(r.CorrectCount).arg(r.WrongCount);
    }
    return out;
}

// A history section of english.ini: records are the fields after "3: ".
inline QStringList Section(const QString& path, const QStringList& records, int questions,
                           int total)
{
    QStringList s{"History (", "0: " + path, "1: " + QString::number(questions),
                  "2: " + QString::number(total)};
    for (const QString& r : records)
        s << "3: " + r;
    s << ")History";
    return s;
}

// A program directory, a settings store and a main window built on them, as the
// program would have them. A new window on the same directory is a restart.
struct Program
{
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    ScriptedDialogs dialogs;
    // Prompts answered otherwise than by the script, when a test sets it.
    DialogSeam* seam = nullptr;
    std::unique_ptr<Module1> state;
    std::unique_ptr<frmMain> window;

    Program()
    {
        store = std::make_unique<QSettings>(dir.filePath("store.ini"), QSettings::IniFormat);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString ini() const { return path("english.ini"); }

    void writeIni(const QStringList& lines) { WriteBytes(ini(), CrLf(lines)); }
    QString writeQuestions(const QString& name, const QStringList& lines)
    {
        WriteBytes(path(name), CrLf(lines));
        return path(name);
    }

    // Builds a fresh window (dropping any earlier one) and runs its load step.
    frmMain& start()
    {
        window.reset();
        state = std::make_unique<Module1>();
        state->Ini = IniFile(ini());
        state->Ini.KeepBackupsIn(path("backup"));
        window = std::make_unique<frmMain>(*state, *store, seam ? *seam : dialogs);
        window->Load();
        return *window;
    }
    Module1& m() { return *state; }
};
