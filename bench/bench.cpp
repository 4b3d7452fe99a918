// Measures the program against the machine's own floor: loading, saving, the
// scans, the word buttons and start-up, each beside the plainest way to do the
// same work. Prints one table; judges nothing.
#include "quiz/Module1.h"
#include "quiz/Selection.h"
#include "store/History.h"
#include "store/IniFile.h"
#include "store/Settings.h"
#include "store/TextFile.h"
#include "ui/DialogSeam.h"
#include "ui/StudyStatus.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

int Runs = 7;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median milliseconds of f over the runs; prepare runs untimed before each.
double Time(const std::function<void()>& f, const std::function<void()>& prepare = {})
{
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return Median(ms);
}

QStringList QuestionLines(int n)
{
    QStringList lines;
    lines.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (i % 50 == 0)
            lines << QString();
        else
            lines << QStringLiteral("Sentence number %1 is one of the things we say every day.\t"
                                    "これは%1番目の、毎日使う文です。")
                         .arg(i);
    }
    return lines;
}

QByteArray Encode(const QStringList& lines, bool sjis)
{
    QString text;
    for (const QString& l : lines)
        text += l + QStringLiteral("\r\n");
    if (!sjis)
        return text.toUtf8();
    QStringEncoder enc("windows-31j");
    return enc(text);
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

// The floor of a save: the same bytes written through QSaveFile.
void WriteWithSaveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.commit();
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// english.ini: settings, 20 other files' sections, then this file's section.
QByteArray IniFor(const QString& questionFile, const QStringList& lines)
{
    AppSettings s;
    s.QuestionFile = questionFile;
    QStringList ini = SettingsLines(s);
    for (int other = 0; other < 20; ++other) {
        QuestionList t;
        const TextLines o = TextLines::FromList(QuestionLines(1000));
        BuildQuestionRecords(o, 1000, t);
        ini << LinesWithSection(TextLines(), 0, QStringLiteral("/other/file%1.txt").arg(other), t,
                                1000)
                   .ToList()
                   .mid(1);
    }
    QuestionList t;
    const TextLines text = TextLines::FromList(lines);
    BuildQuestionRecords(text, int(lines.size()), t);
    for (size_t i = 1; i < t.size(); ++i)
        t[i].CorrectCount = int(i % 3);
    ini << LinesWithSection(TextLines(), 0, questionFile, t, int(lines.size())).ToList().mid(1);
    QByteArray out;
    for (const QString& l : ini)
        out += l.toUtf8() + "\r\n";
    return out;
}

// The real window on a question file of n lines with a history, as the
// program builds it, loaded and shown.
struct WindowOn
{
    QSettings store;
    QtDialogs dialogs;
    Module1 m;
    std::unique_ptr<frmMain> window;

    WindowOn(const QTemporaryDir& dir, const QString& name, int n)
        : store(dir.filePath(name + QStringLiteral(".store")), QSettings::IniFormat)
    {
        const QStringList lines = QuestionLines(n);
        const QString path = dir.filePath(name + QStringLiteral(".txt"));
        Write(path, Encode(lines, false));
        const QString ini = dir.filePath(name + QStringLiteral(".ini"));
        Write(ini, IniFor(path, lines));
        m.Ini = IniFile(ini);
        window = std::make_unique<frmMain>(m, store, dialogs);
        window->Load();
        window->show();
        QCoreApplication::processEvents();
    }
};

// english.ini: settings for questionFile, then sections sections of records
// records each, of files of one name in folders of their own.
QByteArray IniWithSections(const QString& questionFile, int sections, int records)
{
    AppSettings s;
    s.QuestionFile = questionFile;
    QByteArray out;
    for (const QString& l : SettingsLines(s))
        out += l.toUtf8() + "\r\n";
    for (int k = 0; k < sections; ++k) {
        out += "History (\r\n0: /studied/folder" + QByteArray::number(k) +
               "/english.txt\r\n1: " + QByteArray::number(records) +
               "\r\n2: " + QByteArray::number(records * 40) + "\r\n";
        for (int i = 1; i <= records; ++i)
            out += "3: " + QByteArray::number(i) + ' ' + QByteArray::number(i) + " 40 0 " +
                   QByteArray::number((i + k) % 3) + ' ' + QByteArray::number((i * k) % 2) + "\r\n";
        out += ")History\r\n";
    }
    return out;
}

// Resident memory of this process, in KiB.
double ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}

void Row(const char* name, const QString& size, double ms, double floorMs)
{
    std::printf("%-34s %8s %10.3f %10.3f %7.2fx\n", name, qPrintable(size), ms, floorMs,
                floorMs > 0 ? ms / floorMs : 0.0);
}

struct Startup
{
    double ms = 0;
    double hwmKb = 0;
};

// Runs a program that prints "shown_ns=... hwm=... kB" when its window is first
// painted; median time from start to that moment, and the median peak memory.
// Drops the cached pages of files, as after a reboot, where the machine lets a
// process do so for its own files.
void DropPages(const QStringList& files)
{
    for (const QString& f : files) {
        const int fd = ::open(QFile::encodeName(f).constData(), O_RDONLY);
        if (fd < 0)
            continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// One start of program: milliseconds to its first paint and its peak memory,
// or nothing when it reported nothing.
std::optional<std::pair<double, double>> StartOnce(const QString& program, const QString& home,
                                                   const QStringList& coldFiles)
{
    DropPages(coldFiles);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUILLMERE_REPORT_SHOWN", "1");
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home);
    p.setProcessEnvironment(env);
    timespec start{};
    clock_gettime(CLOCK_REALTIME, &start);
    p.start(program, {});
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const qint64 shown = out.section("shown_ns=", 1).section(' ', 0, 0).toLongLong();
    const double hwm = out.section("hwm=", 1).section(' ', 0, 0).toDouble();
    if (shown <= 0) {
        std::fprintf(stderr, "%s reported nothing: %s\n", qPrintable(program),
                     qPrintable(QString::fromUtf8(p.readAllStandardError())));
        return std::nullopt;
    }
    return std::pair{double(shown - (qint64(start.tv_sec) * 1000000000LL + start.tv_nsec)) / 1e6,
                     hwm};
}

// The program and its floor started in turn, so a machine that slows down or
// speeds up during the runs weighs on both alike.
std::pair<Startup, Startup> MeasureStartups(const QString& program, const QStringList& programCold,
                                            const QString& floor, const QStringList& floorCold,
                                            const QString& home)
{
    std::vector<double> ms[2], kb[2];
    for (int i = 0; i < Runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            if (const auto r = k == 0 ? StartOnce(program, home, programCold)
                                      : StartOnce(floor, home, floorCold)) {
                ms[k].push_back(r->first);
                kb[k].push_back(r->second);
            }
        }
    }
    auto median = [&](int k) {
        return ms[k].empty() ? Startup{} : Startup{Median(ms[k]), Median(kb[k])};
    };
    return {median(0), median(1)};
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepareApplication();
    if (argc > 1)
        Runs = std::max(1, atoi(argv[1]));
    // "start-up" as the second argument measures only the start of the program.
    const bool onlyStartup = argc > 2 && QByteArrayView(argv[2]) == "start-up";

    QTemporaryDir dir;
    std::printf("Quillmere benchmark: median of %d runs, milliseconds\n", Runs);
    std::printf("%-34s %8s %10s %10s %8s\n", "row", "lines", "ms", "floor ms", "ratio");

    double perLine1000 = 0, perLine32766 = 0;
    if (!onlyStartup) {
        for (const int n : {1000, 10000, 32766}) {
            const QStringList lines = QuestionLines(n);
            for (const bool sjis : {false, true}) {
                const QString path =
                    dir.filePath(QStringLiteral("q%1%2.txt").arg(n).arg(sjis ? "s" : "u"));
                Write(path, Encode(lines, sjis));
                const QString ini = dir.filePath("english.ini");
                const QByteArray iniBytes = IniFor(path, lines);
                Write(ini, iniBytes);

                Module1 m;
                m.Ini = IniFile(ini);
                m.Ini.Read();
                const double load = Time([&] { LoadQuestionFile(m, path); });
                const double loadFloor = Time([&] {
                    const QByteArray bytes = Read(path);
                    QStringDecoder dec =
                        sjis ? QStringDecoder("windows-31j") : QStringDecoder(QStringDecoder::Utf8);
                    const QString text = dec(bytes);
                    const QStringList split = text.split(u'\n');
                    if (split.isEmpty())
                        std::abort();
                });
                const QString size = QString::number(n) + (sjis ? " sjis" : " utf8");
                Row("load (read, parse, merge, count)", size, load, loadFloor);
                if (!sjis) {
                    if (n == 1000)
                        perLine1000 = load / n;
                    if (n == 32766)
                        perLine32766 = load / n;
                }
                if (sjis)
                    continue;

                const double save =
                    Time([&] { m.Ini.SaveHistory(path, m.QuestionTable, m.QuestionLineCount); });
                const QByteArray saved = Read(ini);
                const double saveFloor = Time([&] { WriteWithSaveFile(ini, saved); });
                Row("save (SaveHistory)", size, save, saveFloor);

                const double clear =
                    Time([&] { m.Ini.ClearHistory(path, m.QuestionTable, m.QuestionLineCount); },
                         [&] {
                             Write(ini, saved);
                             m.Ini.Read();
                         });
                const QByteArray cleared = Read(ini);
                const double clearFloor = Time([&] { WriteWithSaveFile(ini, cleared); });
                Row("clear (ClearHistory)", size, clear, clearFloor);
            }
        }
        std::printf("%-34s %8s %10.5f %10.5f %7.2fx\n", "load per line, 32766 vs 1000", "",
                    perLine32766 * 1000, perLine1000 * 1000,
                    perLine1000 > 0 ? perLine32766 / perLine1000 : 0);

        {
            Module1 m;
            m.QuestionLines = TextLines::FromList(QuestionLines(32766));
            m.QuestionLineCount = 32766;
            BuildQuestionRecords(m.QuestionLines, 32766, m.QuestionTable);
            for (auto& r : m.QuestionTable)
                r.CorrectCount = 1;
            m.QuestionTable[32766].CorrectCount = 0;
            m.Settings.DisplayMode = DisplayFilter::NotYetCorrect;
            const double scan = Time([&] { ForwardScan(m, 1); });
            const double scanFloor = Time([&] {
                int p = 1;
                while (p <= m.QuestionLineCount &&
                       !IsEligible(m.QuestionTable[size_t(p)], DisplayFilter::NotYetCorrect))
                    ++p;
                if (p > 40000)
                    std::abort();
            });
            Row("scan over 32765 ineligible records", "32766", scan, scanFloor);
        }

        {
            QSettings store(dir.filePath("store.ini"), QSettings::IniFormat);
            QtDialogs dialogs;
            Module1 m;
            m.Ini = IniFile(dir.filePath("none.ini"));
            frmMain w(m, store, dialogs);
            w.show();
            QString sentence;
            for (int i = 1; i <= 40; ++i)
                sentence += (i > 1 ? QStringLiteral(" word%1") : QStringLiteral("word%1")).arg(i);
            sentence += QStringLiteral("\t四十語の文");
            const double words = Time([&] {
                w.BuildWordButtons(sentence);
                QCoreApplication::processEvents();
                w.RemoveWordButtons();
            });
            QWidget plain;
            plain.resize(640, 533);
            plain.show();
            const double wordsFloor = Time([&] {
                std::vector<QPushButton*> buttons;
                for (int i = 0; i < 40; ++i) {
                    auto* b = new QPushButton(QStringLiteral("word"), &plain);
                    b->setGeometry(10, 10 + i, 121, 25);
                    b->show();
                    buttons.push_back(b);
                }
                QCoreApplication::processEvents();
                for (auto* b : buttons)
                    delete b;
            });
            Row("word buttons, 40 words", "", words, wordsFloor);
        }

        {
            // Clicks on the real window with the largest file loaded: what a user
            // waits for after each press.
            WindowOn on(dir, QStringLiteral("clicks"), 32766);
            frmMain& w = *on.window;
            Module1& m = on.m;
            auto click = [&](const char* name, const std::function<void()>& f) {
                const double ms = Time([&] {
                    f();
                    QCoreApplication::processEvents();
                });
                Row(name, "32766", ms, 1000.0 / 60);
            };
            click("click Next (ratio to a frame)", [&] { w.BNext_Click(); });
            click("click Back", [&] { w.BBack_Click(); });
            click("click a word button", [&] { w.Words_Click(1); });
            click("click Clear", [&] { w.BClear_Click(); });
            click("click Give up, then Start", [&] {
                w.BGiveup_Click();
                w.BStart_Click();
            });
            click("Mix (save, shuffle, show)", [&] { w.Mazeru_Click(); });
            click("save at Exit (SaveHistory)", [&] { w.SaveHistoryOrSay(); });
            click("学習状況: open and first paint", [&] {
                w.StudyStatus_Click();
                w.StudyStatusWindow()->grab();
                delete w.StudyStatusWindow();
            });
            m.Settings.DisplayMode = DisplayFilter::NotYetCorrect;
            for (auto& r : m.QuestionTable)
                r.CorrectCount = 1;
            m.CurrentIndex = 1;
            m.CurrentNumber = 1;
            click("Next past 32765 answered", [&] {
                m.CurrentIndex = 1;
                m.CurrentNumber = 1;
                w.BNext_Click();
            });
        }
    }

    if (!onlyStartup) {
        // 学習状況 lists every file english.ini has a history for: a long-used
        // english.ini holds thousands of sections.
        constexpr int Sections = 20000;
        const QStringList lines = QuestionLines(1000);
        const QString path = dir.filePath("status.txt");
        Write(path, Encode(lines, false));
        const QString ini = dir.filePath("status.ini");
        Write(ini, IniWithSections(path, Sections, 20));
        QSettings store(dir.filePath("store3.ini"), QSettings::IniFormat);
        QtDialogs dialogs;
        Module1 m;
        m.Ini = IniFile(ini);
        frmMain w(m, store, dialogs);
        w.Load();
        w.show();
        QCoreApplication::processEvents();
        const TextLines& iniLines = m.Ini.Lines();
        const double summary = Time([&] {
            if (SummarizeSections(iniLines, m.Ini.Count()).size() != Sections)
                std::abort();
        });
        // The floor: one plain pass that finds the sections and reads the two
        // counters of every record line.
        const double summaryFloor = Time([&] {
            int sections = 0, tried = 0;
            for (int i = 1; i <= m.Ini.Count(); ++i) {
                const QStringView line = iniLines[i];
                if (line.startsWith(u"History (")) {
                    ++sections;
                } else if (line.startsWith(u"3: ")) {
                    const qsizetype last = line.lastIndexOf(u' ');
                    const qsizetype before = line.lastIndexOf(u' ', last - 1);
                    const int correct = line.sliced(before + 1, last - before - 1).toInt();
                    const int wrong = line.sliced(last + 1).toInt();
                    if (correct + wrong > 0)
                        ++tried;
                }
            }
            if (sections != Sections || tried < 0)
                std::abort();
        });
        const QString size = QString::number(Sections);
        Row("summary of every file's section", size, summary, summaryFloor);
        // A frame for each 1000 sections.
        const double frames = Sections / 1000 * 1000.0 / 60;
        const double open = Time(
            [&] {
                w.StudyStatus_Click();
                w.StudyStatusWindow()->grab();
            },
            [&] { delete w.StudyStatusWindow(); });
        Row("学習状況 open (to a frame/1000)", size, open, frames);
        const double refresh = Time([&] {
            w.StudyStatus_Click();
            w.StudyStatusWindow()->grab();
        });
        Row("学習状況 refresh (to a frame/1000)", size, refresh, frames);
        delete w.StudyStatusWindow();
    }

    if (!onlyStartup) {
        // Going back and forth in word-button mode, as PageDown and PageUp do,
        // must leave the memory where it was.
        WindowOn on(dir, QStringLiteral("moves"), 1000);
        frmMain& w = *on.window;
        auto move = [&](int moves) {
            for (int i = 0; i < moves; ++i) {
                if ((i / 100) % 2 == 0)
                    w.BNext_Click();
                else
                    w.BBack_Click();
                QCoreApplication::processEvents();
            }
        };
        // Caches of fonts and glyphs fill during the first moves.
        move(2000);
        constexpr int Moves = 20000;
        const double before = ResidentKb();
        QElapsedTimer t;
        t.start();
        move(Moves);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        const double growth = ResidentKb() - before;
        Row("Next/Back in word-button mode", QString::number(Moves), ms / Moves, 1000.0 / 60);
        std::printf("%-34s %8d %10.0f %10.0f %7.2fx\n", "RSS growth over the moves, KiB", Moves,
                    growth, 1024.0, growth / 1024);
    }

    {
        // The real program on the largest file, beside an empty main window.
        const QString progDir = dir.filePath("prog");
        QDir().mkpath(progDir);
        const QString exe = QDir(QCoreApplication::applicationDirPath()).filePath("../quillmere");
        const QString copy = QDir(progDir).filePath("quillmere");
        QFile::copy(exe, copy);
        const QStringList lines = QuestionLines(32766);
        const QString path = dir.filePath("big.txt");
        Write(path, Encode(lines, false));
        Write(QDir(progDir).filePath("english.ini"), IniFor(path, lines));
        const QString emptyExe =
            QDir(QCoreApplication::applicationDirPath()).filePath("bench_empty_window");
        const auto [program, empty] = MeasureStartups(copy, {}, emptyExe, {}, dir.path());
        Row("start-up to first question", "32766", program.ms, empty.ms);
        // Cold: the program's and the files' pages dropped before each start.
        const auto [cold, coldEmpty] =
            MeasureStartups(copy, {copy, path, QDir(progDir).filePath("english.ini")}, emptyExe,
                            {emptyExe}, dir.path());
        Row("cold start (file pages dropped)", "32766", cold.ms, coldEmpty.ms);
        std::printf("%-34s %8s %10.0f %10.0f %7.2fx\n", "peak RSS, KiB", "32766", program.hwmKb,
                    empty.hwmKb, empty.hwmKb > 0 ? program.hwmKb / empty.hwmKb : 0);
    }
    return 0;
}
