#include "ui/DialogSeam.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

QString QtDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

std::optional<QFont> QtDialogs::ChooseFont(QWidget* parent, const QFont& preset)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, preset, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

bool QtDialogs::ConfirmOkCancel(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

QString AllFilesFilter()
{
    // "*.*" would hide files without a dot here; "*" is every file.
    return QStringLiteral("すべてのﾌｧｲﾙ (*)");
}
