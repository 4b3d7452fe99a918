#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// The answer to "save before closing?".
enum class SaveChoice
{
    Save,
    Discard,
    Cancel,
};

// Every modal prompt of the program goes through here, so tests can answer them
// without a window blocking.
class DialogSeam
{
public:
    virtual ~DialogSeam() = default;
    // The chosen file's full path, or empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The chosen font, or nothing when cancelled.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& preset) = 0;
    // True for OK, false for Cancel or a box closed without a choice.
    virtual bool ConfirmOkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // 保存 / 保存しない / キャンセル; a box closed without a choice is Cancel.
    virtual SaveChoice AskSave(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message with one OK button.
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real dialogs.
class QtDialogs : public DialogSeam
{
public:
    // File dialogs open in startFolder (the installed samples), or where Qt
    // would otherwise start them.
    explicit QtDialogs(QString startFolder = QString()) : startFolder_(std::move(startFolder)) {}

    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& preset) override;
    bool ConfirmOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    SaveChoice AskSave(QWidget* parent, const QString& title, const QString& text) override;
    void Inform(QWidget* parent, const QString& title, const QString& text) override;

private:
    QString startFolder_;
};

// The file-open filter of every "開く" dialog: all files.
QString AllFilesFilter();
