// The word buttons of word-button mode: built from the English part, clicked to
// assemble the answer, taken back, cleared and removed. A button's state is its
// face colour alone.
#include "answer/Shuffle.h"
#include "answer/WordSplit.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QColor Available(0xC0, 0xFF, 0xFF);
const QColor Used(0xC0, 0xC0, 0xC0);
const char* const WordPropertyName = "word";

QColor FaceOf(const QPushButton* b)
{
    return b->palette().color(QPalette::Button);
}

void SetFace(QPushButton* b, const QColor& c)
{
    QPalette p = b->palette();
    p.setColor(QPalette::Button, c);
    b->setPalette(p);
}

QString WordProperty(const QPushButton* b)
{
    return b->property(WordPropertyName).toString();
}

// A button shows its word literally: an ampersand is no access key here.
QString ButtonCaption(QString word)
{
    return word.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void frmMain::BuildWordButtons(const QString& text)
{
    bool hasTab = false;
    QStringList words = SplitWords(text, &hasTab);
    if (!hasTab)
        return;
    words.prepend(QString());
    const int n = static_cast<int>(words.size() - 1);
    ShuffleStrings(n, words);
    if (m.WordButtonCount > 1)
        return;
    const QPushButton* tmpl = Words[0];
    Words.resize(1);
    for (m.WordButtonCount = 1; m.WordButtonCount <= n; ++m.WordButtonCount) {
        const int index = m.WordButtonCount;
        auto* b = new QPushButton(tmpl->parentWidget());
        b->setObjectName(QStringLiteral("Words_%1").arg(index));
        b->setFont(tmpl->font());
        b->setPalette(tmpl->palette());
        b->setFocusPolicy(tmpl->focusPolicy());
        b->hide();
        const QPoint at = WordButtonPosition(index);
        b->setGeometry(TwipsToPixels(at.x()), TwipsToPixels(at.y()), tmpl->width(), tmpl->height());
        b->setProperty(WordPropertyName, words[index]);
        b->setText(ButtonCaption(words[index]));
        b->show();
        b->raise();
        connect(b, &QPushButton::clicked, this,
                [this, index] { Handle([this, index] { Words_Click(index); }); });
        Words.push_back(b);
    }
}

void frmMain::RemoveWordButtons()
{
    if (m.WordButtonCount <= 0)
        return;
    for (size_t i = 1; i < Words.size(); ++i)
        delete Words[i];
    Words.resize(1);
    m.WordButtonCount = 0;
}

void frmMain::Words_Click(int index)
{
    if (index < 1 || index >= static_cast<int>(Words.size()))
        return;
    QPushButton* b = Words[static_cast<size_t>(index)];
    const QString answer = Anser->toPlainText();
    const QString word = WordProperty(b);
    if (FaceOf(b) == Available) {
        Anser->setPlainText(answer + word);
        SetFace(b, Used);
    } else if (const auto shorter = TakeBackWord(answer, word)) {
        Anser->setPlainText(*shorter);
        SetFace(b, Available);
    }
    Anser->moveCursor(QTextCursor::End);
    int used = 0;
    for (size_t i = 1; i < Words.size(); ++i) {
        if (FaceOf(Words[i]) == Used)
            ++used;
    }
    if (used == m.WordButtonCount - 1)
        JudgeAnswer();
}

QString frmMain::WordOf(int index) const
{
    return index >= 1 && index < static_cast<int>(Words.size())
               ? WordProperty(Words[static_cast<size_t>(index)])
               : QString();
}

bool frmMain::WordUsed(int index) const
{
    return index >= 1 && index < static_cast<int>(Words.size()) &&
           FaceOf(Words[static_cast<size_t>(index)]) == Used;
}

void frmMain::BClear_Click()
{
    if (m.QuestionLineCount < 1) {
        LabelCHK->setText(Messages::NoQuestionFile);
        return;
    }
    if (m.WordButtonCount <= 0)
        return;
    for (size_t i = 1; i < Words.size(); ++i)
        SetFace(Words[i], Available);
    LabelCHK->clear();
    Anser->clear();
    Label3->hide();
    Label4->hide();
}
