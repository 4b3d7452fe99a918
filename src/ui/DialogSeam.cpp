#include "ui/DialogSeam.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

QString QtDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, startFolder_, filter);
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

SaveChoice QtDialogs::AskSave(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == discard)
        return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

void QtDialogs::Inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

QString AllFilesFilter()
{
    // "*.*" would hide files without a dot here; "*" is every file.
    return QStringLiteral("すべてのﾌｧｲﾙ (*)");
}
