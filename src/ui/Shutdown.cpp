// The ways out: the exit command, which saves the history first, and the
// unload step that every close of the main window runs, which asks first when
// answers would be lost.
#include "ui/DialogSeam.h"
#include "ui/Options.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QSettings>
#include <QThread>
#include <QTimer>

bool frmMain::SaveForExit()
{
    if (SaveHistoryOrSay() || !m.Unsaved)
        return true;
    return dialogs.ConfirmOkCancel(this, QStringLiteral("Quillmere"), Messages::ExitWithoutSaving);
}

void frmMain::Finish()
{
    // The records view the lines: they lose their text with them, and keep
    // their counts.
    for (QuestionRecord& r : m.QuestionTable)
        r.Text = {};
    m.QuestionLines = TextLines();
    m.Ini.Release();
    m.CorrectMessages = QStringList();
    m.WrongMessages = QStringList();
    m.GiveupMessages = QStringList();
    emit Exited();
}

void frmMain::Exit()
{
    emit Closing(true);
    // A history that cannot be written keeps the window open unless the user
    // chooses to end without it.
    if (!SaveForExit()) {
        ui.LabelCHK->setText(Messages::ExitNotSaved);
        emit Closing(false);
        return;
    }
    exiting = true;
    close();
    Finish();
}

void frmMain::EndBySignal()
{
    // A prompt open inside a command is answered Cancel, so that command ends
    // and the end runs after it, never inside it: while any prompt's loop still
    // runs, the end waits and looks again.
    if (QThread::currentThread()->loopLevel() > 1 || QApplication::activeModalWidget()) {
        if (QWidget* prompt = QApplication::activeModalWidget())
            prompt->close();
        QTimer::singleShot(50, this, &frmMain::EndBySignal);
        return;
    }
    Handle([this] {
        if (exiting)
            return;
        emit Closing(true);
        SessionEnding();
        exiting = true;
        close();
        Finish();
    });
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
    // Closed by the frame with answers unsaved: ask, as a document window would.
    bool finish = false;
    if (!exiting)
        emit Closing(true);
    if (!exiting && m.Unsaved) {
        switch (dialogs.AskSave(this, QStringLiteral("Quillmere"), Messages::SaveBeforeClosing)) {
        case SaveChoice::Cancel:
            event->ignore();
            emit Closing(false);
            return;
        case SaveChoice::Save:
            if (!SaveForExit()) {
                ui.LabelCHK->setText(Messages::ExitNotSaved);
                event->ignore();
                emit Closing(false);
                return;
            }
            finish = true;
            break;
        case SaveChoice::Discard:
            break;
        }
    }
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
    if (finish)
        Finish();
}
