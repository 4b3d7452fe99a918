// The word buttons of word-button mode: built from the English part, clicked to
// assemble the answer, taken back, cleared and removed. A button's state is its
// face colour alone.
#include "answer/Shuffle.h"
#include "answer/WordSplit.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>

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

// The smallest caption size a long sentence shrinks to before it scrolls.
constexpr double SmallestFlowPoints = 9;

} // namespace

void frmMain::PlaceLongSentence()
{
    // Beyond the designed grid the buttons flow in rows sized to their captions
    // over the word area, shrinking the captions a little before they scroll.
    const int left = TwipsToPixels(240);
    const int top = TwipsToPixels(2740);
    // The designed client width: the window may not be laid out yet.
    const QRect area(left, top, TwipsToPixels(9525) - 2 * left, TwipsToPixels(6400) - top);
    constexpr int gap = 2;
    auto flowIn = [&](const QFont& font, int width) {
        const QFontMetrics metrics(font);
        std::vector<int> widths;
        for (size_t i = 1; i < Words.size(); ++i)
            widths.push_back(std::max(metrics.horizontalAdvance(Words[i]->text()) + 12, 24));
        // As high as the designed buttons, or less for a smaller caption.
        const int height = std::min(Words[0]->height() - 2, metrics.height() + 6);
        return FlowWordButtons(widths, QRect(0, 0, width, area.height()), height, gap);
    };
    QFont font = Words[0]->font();
    WordFlow flow = flowIn(font, area.width());
    while (!flow.fits && font.pointSizeF() > SmallestFlowPoints) {
        font.setPointSizeF(std::max(SmallestFlowPoints, font.pointSizeF() - 1));
        flow = flowIn(font, area.width());
    }
    QWidget* parent = client;
    QPoint origin = area.topLeft();
    if (!flow.fits) {
        wordArea = new QScrollArea(client);
        wordArea->setObjectName(QStringLiteral("wordArea"));
        wordArea->setGeometry(area);
        wordArea->setFrameShape(QFrame::NoFrame);
        wordArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        wordArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        wordArea->viewport()->setAutoFillBackground(false);
        const int width = area.width() - wordArea->verticalScrollBar()->sizeHint().width();
        flow = flowIn(font, width);
        auto* inside = new QWidget;
        inside->setObjectName(QStringLiteral("wordAreaInside"));
        inside->resize(width, flow.rects.back().bottom() + 1);
        wordArea->setWidget(inside);
        wordArea->show();
        parent = inside;
        origin = QPoint(0, 0);
    }
    for (size_t i = 1; i < Words.size(); ++i) {
        QPushButton* b = Words[i];
        b->setParent(parent);
        b->setFont(font);
        b->setGeometry(flow.rects[i - 1].translated(origin));
        b->show();
    }
}

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
    const QPushButton* tmpl = Words[0];
    Words.resize(1);
    picker.SetWords(words);
    chosenOrder.clear();
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
    if (n > WordGridCapacity)
        PlaceLongSentence();
}

void frmMain::RemoveWordButtons()
{
    if (m.WordButtonCount <= 0)
        return;
    for (size_t i = 1; i < Words.size(); ++i)
        delete Words[i];
    Words.resize(1);
    delete wordArea.data();
    m.WordButtonCount = 0;
    picker.SetWords({});
    chosenOrder.clear();
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
        chosenOrder.push_back(index);
    } else if (const auto shorter = TakeBackWord(answer, word)) {
        Anser->setPlainText(*shorter);
        SetFace(b, Available);
        std::erase(chosenOrder, index);
    }
    picker.SetUsed(index, FaceOf(b) == Used);
    picker.Forget();
    ShowCandidates({});
    Anser->moveCursor(QTextCursor::End);
    int used = 0;
    for (size_t i = 1; i < Words.size(); ++i) {
        if (FaceOf(Words[i]) == Used)
            ++used;
    }
    if (used == m.WordButtonCount - 1)
        JudgeAnswer();
}

void frmMain::ShowCandidates(const std::vector<int>& candidates)
{
    // Candidates are underlined: the face colour is the button's state and
    // stays as it is.
    for (size_t i = 1; i < Words.size(); ++i) {
        const bool candidate = std::find(candidates.begin(), candidates.end(),
                                         static_cast<int>(i)) != candidates.end();
        QFont f = Words[i]->font();
        if (f.underline() != candidate) {
            f.setUnderline(candidate);
            Words[i]->setFont(f);
        }
    }
}

bool frmMain::IsCandidate(int index) const
{
    return index >= 1 && index < static_cast<int>(Words.size()) &&
           Words[static_cast<size_t>(index)]->font().underline();
}

void frmMain::PickKey(const WordPicker::Result& result)
{
    ShowCandidates(result.candidates);
    if (result.chosen > 0)
        Words_Click(result.chosen);
}

bool frmMain::WordKey(const QKeyEvent& key)
{
    const auto rules = Rules();
    if (!rules || !rules->wordButtons || m.WordButtonCount < 2)
        return false;
    switch (key.key()) {
    case Qt::Key_Escape:
        picker.Forget();
        ShowCandidates({});
        return true;
    case Qt::Key_Backspace:
        if (!picker.Typed().isEmpty()) {
            PickKey(picker.Erase());
        } else if (!chosenOrder.empty()) {
            const int last = chosenOrder.back();
            Handle([this, last] { Words_Click(last); });
        }
        return true;
    case Qt::Key_Space:
        // With nothing typed, Space presses the focused button as usual.
        if (picker.Typed().isEmpty())
            return false;
        Handle([this] { PickKey(picker.Confirm()); });
        return true;
    default:
        break;
    }
    const QString text = key.text();
    if (text.size() != 1 || !text[0].isPrint() || text[0].isSpace())
        return false;
    const QChar letter = text[0];
    Handle([this, letter] { PickKey(picker.Type(letter)); });
    return true;
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
    for (size_t i = 1; i < Words.size(); ++i) {
        SetFace(Words[i], Available);
        picker.SetUsed(static_cast<int>(i), false);
    }
    chosenOrder.clear();
    picker.Forget();
    ShowCandidates({});
    answered = false;
    LabelCHK->clear();
    Anser->clear();
    Label3->hide();
    Label4->hide();
}
