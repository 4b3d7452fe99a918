// Where the program keeps english.ini: beside itself when run from a build or
// a copied folder, in the user's configuration folder when installed, wherever
// the installed tree was moved.
#include "TestSupport.h"
#include "store/Folders.h"

#include <QtTest>

class TestFolders : public QObject
{
    Q_OBJECT

private slots:
    void folders_data()
    {
        QTest::addColumn<QString>("programDir"); // relative to the temporary folder
        QTest::addColumn<bool>("installed");
        QTest::newRow("build folder") << "build" << false;
        QTest::newRow("copied into a folder of its own") << "copy" << false;
        QTest::newRow("installed under a prefix") << "usr/bin" << true;
        QTest::newRow("installed tree moved elsewhere") << "moved/tree/bin" << true;
        QTest::newRow("staged with DESTDIR") << "stage/usr/local/bin" << true;
        QTest::newRow("a bin folder without the data") << "plain/bin" << false;
    }
    void folders()
    {
        QFETCH(QString, programDir);
        QFETCH(bool, installed);
        QTemporaryDir dir;
        QDir root(dir.path());
        for (const char* name : {"usr", "moved/tree", "stage/usr/local"}) {
            const QString tree = name;
            root.mkpath(tree + "/bin");
            root.mkpath(tree + "/share/quillmere/samples");
            WriteBytes(root.filePath(tree + "/share/quillmere/installed"), "Quillmere\n");
        }
        for (const char* plain : {"build", "copy", "plain/bin"})
            root.mkpath(plain);
        const QString program = root.filePath(programDir);
        const QString config = root.filePath("home/.config");
        const ProgramFolders f = FoldersFor(program, config);
        QCOMPARE(f.installed, installed);
        const QString data = installed ? config + "/Quillmere" : program;
        QCOMPARE(f.data, data);
        QCOMPARE(f.ini, data + "/english.ini");
        QCOMPARE(f.backup, data + "/backup");
        QCOMPARE(f.samples.isEmpty(), !installed);
        if (installed)
            QVERIFY(QFileInfo(f.samples).isDir());
    }

    // The configuration folder by the XDG rule, never a relative one or /.config.
    void configHome_data()
    {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("expected");
        QTest::newRow("XDG_CONFIG_HOME") << "/x/conf"
                                         << "/home/u"
                                         << "/home/u"
                                         << "/x/conf";
        QTest::newRow("unset") << ""
                               << "/home/u"
                               << "/home/a"
                               << "/home/u/.config";
        QTest::newRow("relative XDG_CONFIG_HOME ignored") << "conf"
                                                          << "/home/u"
                                                          << "/home/a"
                                                          << "/home/u/.config";
        QTest::newRow("HOME unset") << ""
                                    << ""
                                    << "/home/a"
                                    << "/home/a/.config";
        QTest::newRow("HOME relative") << ""
                                       << "u"
                                       << "/home/a"
                                       << "/home/a/.config";
        QTest::newRow("trailing slash") << "/x/conf/"
                                        << ""
                                        << ""
                                        << "/x/conf";
        QTest::newRow("nothing known") << ""
                                       << ""
                                       << ""
                                       << "";
    }
    void configHome()
    {
        QFETCH(QString, xdg);
        QFETCH(QString, home);
        QFETCH(QString, account);
        QFETCH(QString, expected);
        QCOMPARE(ConfigHomeFrom(xdg, home, account), expected);
    }
};

QTEST_GUILESS_MAIN(TestFolders)
#include "test_folders.moc"
