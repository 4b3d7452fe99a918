// The window's side of the word buttons: a sentence made into buttons, a
// click that puts a word into the answer or takes it back, and the judging
// once every word is used.
#include "answer/Shuffle.h"
#include "answer/WordSplit.h"
#include "ui/WordButtonPanel.h"
#include "ui/frmMain.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

void frmMain::BuildWordButtons(QStringView text)
{
    bool hasTab = false;
    QStringList words = SplitWords(text.toString(), &hasTab);
    if (!hasTab)
        return;
    words.prepend(QString());
    const int n = static_cast<int>(words.size() - 1);
    ShuffleStrings(n, words);
    if (m.WordButtonCount > 1)
        return;
    wordPanel->Build(words);
    m.WordButtonCount = wordPanel->Count();
}

void frmMain::RemoveWordButtons()
{
    if (m.WordButtonCount <= 0)
        return;
    wordPanel->Remove();
    m.WordButtonCount = 0;
}

void frmMain::Words_Click(int index)
{
    if (!wordPanel->Holds(index))
        return;
    const QString answer = ui.Anser->toPlainText();
    const QString word = wordPanel->WordOf(index);
    if (!wordPanel->Used(index)) {
        ui.Anser->setPlainText(answer + word);
        wordPanel->SetUsed(index, true);
    } else if (const auto shorter = TakeBackWord(answer, word)) {
        ui.Anser->setPlainText(*shorter);
        wordPanel->SetUsed(index, false);
    } else {
        wordPanel->SetUsed(index, true);
    }
    ui.Anser->moveCursor(QTextCursor::End);
    if (wordPanel->AllUsed())
        JudgeAnswer();
}

bool frmMain::WordKey(const QKeyEvent& key)
{
    const auto rules = Rules();
    if (!rules || !rules->wordButtons || m.WordButtonCount < 2)
        return false;
    return wordPanel->Key(key);
}

const std::vector<QPushButton*>& frmMain::WordButtons() const
{
    return wordPanel->Buttons();
}

QString frmMain::WordOf(int index) const
{
    return wordPanel->WordOf(index);
}

bool frmMain::WordUsed(int index) const
{
    return wordPanel->Used(index);
}

bool frmMain::IsCandidate(int index) const
{
    return wordPanel->IsCandidate(index);
}

void frmMain::BClear_Click()
{
    if (m.QuestionLineCount < 1) {
        ui.LabelCHK->setText(Messages::NoQuestionFile);
        return;
    }
    if (m.WordButtonCount <= 0)
        return;
    wordPanel->MakeAllAvailable();
    answered = false;
    ui.LabelCHK->clear();
    ui.Anser->clear();
    ui.Label3->hide();
    ui.Label4->hide();
}
