// The two ways out: the exit command, which saves the history first, and the
// unload step that every close of the main window runs.
#include "ui/Options.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QSettings>

void frmMain::Exit()
{
    // A history that cannot be written keeps the window open, so the user can
    // make english.ini writable and press "終了" again.
    if (m.QuestionLineCount != -1 && !SaveHistoryOrSay()) {
        LabelCHK->setText(Messages::ExitNotSaved);
        return;
    }
    close();
    m.QuestionLines = QStringList();
    m.Ini.Release();
    m.CorrectMessages = QStringList();
    m.WrongMessages = QStringList();
    m.GiveupMessages = QStringList();
    emit Exited();
}

void frmMain::BExit_Click()
{
    Exit();
}

void frmMain::mnuFileExit_Click()
{
    Exit();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (optionsWindow)
        delete optionsWindow.data();
    if (!isMinimized()) {
        const QRect g = frameGeometry();
        store.beginGroup(QStringLiteral("Settings"));
        store.setValue(QStringLiteral("MainLeft"), QString::number(PixelsToTwips(g.x())));
        store.setValue(QStringLiteral("MainTop"), QString::number(PixelsToTwips(g.y())));
        store.setValue(QStringLiteral("MainWidth"), QString::number(PixelsToTwips(g.width())));
        store.setValue(QStringLiteral("MainHeight"), QString::number(PixelsToTwips(g.height())));
        store.endGroup();
        store.sync();
    }
    event->accept();
}
