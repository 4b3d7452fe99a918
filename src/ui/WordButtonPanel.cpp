// The word buttons of word-button mode: built from the words of a sentence,
// clicked or typed to choose them, taken back, cleared and removed. A button's
// state is its face colour alone.
#include "ui/WordButtonPanel.h"

#include "answer/WordSplit.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {

const QColor AvailableFace(0xC0, 0xFF, 0xFF);
const QColor UsedFace(0xC0, 0xC0, 0xC0);
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

namespace {

// The word area: from the first row of the designed grid to above the command
// buttons, the client's whole width.
constexpr int PanelTop = 2740;
constexpr int PanelBottom = 6400;

} // namespace

WordButtonPanel::WordButtonPanel(QPushButton* templateButton,
                                 std::function<void(std::function<void()>)> runCommand,
                                 QWidget* client)
    : QWidget(client), run(std::move(runCommand))
{
    setObjectName(QStringLiteral("wordPanel"));
    setGeometry(TwipsRect(0, PanelTop, 9525, PanelBottom - PanelTop));
    buttons.assign(1, templateButton);
}

void WordButtonPanel::PlaceLongSentence()
{
    // Beyond the designed grid the buttons flow in rows sized to their captions
    // over the word area, shrinking the captions a little before they scroll.
    const int left = TwipsToPixels(240);
    // The whole word area, in the panel's own pixels; the designed client
    // width, as the window may not be laid out yet.
    const QRect area(left, 0, TwipsToPixels(9525) - 2 * left,
                     TwipsToPixels(PanelBottom - PanelTop));
    constexpr int gap = 2;
    auto flowIn = [&](const QFont& font, int width) {
        const QFontMetrics metrics(font);
        std::vector<int> widths;
        for (size_t i = 1; i < buttons.size(); ++i)
            widths.push_back(std::max(metrics.horizontalAdvance(buttons[i]->text()) + 12, 24));
        // As high as the designed buttons, or less for a smaller caption.
        const int height = std::min(buttons[0]->height() - 2, metrics.height() + 6);
        return FlowWordButtons(widths, QRect(0, 0, width, area.height()), height, gap);
    };
    QFont font = buttons[0]->font();
    WordFlow flow = flowIn(font, area.width());
    while (!flow.fits && font.pointSizeF() > SmallestFlowPoints) {
        font.setPointSizeF(std::max(SmallestFlowPoints, font.pointSizeF() - 1));
        flow = flowIn(font, area.width());
    }
    QWidget* parent = this;
    QPoint origin = area.topLeft();
    if (!flow.fits) {
        wordArea = new QScrollArea(this);
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
    for (size_t i = 1; i < buttons.size(); ++i) {
        QPushButton* b = buttons[i];
        b->setParent(parent);
        b->setFont(font);
        b->setGeometry(flow.rects[i - 1].translated(origin));
        b->show();
    }
}

void WordButtonPanel::Build(const QStringList& words)
{
    const int n = static_cast<int>(words.size() - 1);
    const QPushButton* tmpl = buttons[0];
    buttons.resize(1);
    picker.SetWords(words);
    chosenOrder.clear();
    built = true;
    const QPoint origin = pos();
    for (int index = 1; index <= n; ++index) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Words_%1").arg(index));
        b->setFont(tmpl->font());
        b->setPalette(tmpl->palette());
        b->setFocusPolicy(tmpl->focusPolicy());
        b->hide();
        const QPoint at = WordButtonPosition(index);
        b->setGeometry(TwipsToPixels(at.x()) - origin.x(), TwipsToPixels(at.y()) - origin.y(),
                       tmpl->width(), tmpl->height());
        b->setProperty(WordPropertyName, words[index]);
        b->setText(ButtonCaption(words[index]));
        b->show();
        connect(b, &QPushButton::clicked, this, [this, index] { emit Clicked(index); });
        buttons.push_back(b);
    }
    if (n > WordGridCapacity)
        PlaceLongSentence();
    raise();
}

void WordButtonPanel::Remove()
{
    if (!built)
        return;
    for (size_t i = 1; i < buttons.size(); ++i)
        delete buttons[i];
    buttons.resize(1);
    delete wordArea.data();
    built = false;
    picker.SetWords({});
    chosenOrder.clear();
}

bool WordButtonPanel::Holds(int index) const
{
    return index >= 1 && index < static_cast<int>(buttons.size());
}

QString WordButtonPanel::WordOf(int index) const
{
    return Holds(index) ? WordProperty(buttons[static_cast<size_t>(index)]) : QString();
}

bool WordButtonPanel::Used(int index) const
{
    return Holds(index) && FaceOf(buttons[static_cast<size_t>(index)]) == UsedFace;
}

bool WordButtonPanel::AllUsed() const
{
    for (size_t i = 1; i < buttons.size(); ++i) {
        if (FaceOf(buttons[i]) != UsedFace)
            return false;
    }
    return true;
}

bool WordButtonPanel::IsCandidate(int index) const
{
    return Holds(index) && buttons[static_cast<size_t>(index)]->font().underline();
}

QPushButton* WordButtonPanel::First() const
{
    return buttons.size() > 1 ? buttons[1] : nullptr;
}

void WordButtonPanel::SetUsed(int index, bool used)
{
    if (!Holds(index))
        return;
    if (Used(index) != used) {
        std::erase(chosenOrder, index);
        if (used)
            chosenOrder.push_back(index);
    }
    SetFace(buttons[static_cast<size_t>(index)], used ? UsedFace : AvailableFace);
    picker.SetUsed(index, used);
    picker.Forget();
    ShowCandidates({});
}

void WordButtonPanel::MakeAllAvailable()
{
    if (!built)
        return;
    for (size_t i = 1; i < buttons.size(); ++i) {
        SetFace(buttons[i], AvailableFace);
        picker.SetUsed(static_cast<int>(i), false);
    }
    chosenOrder.clear();
    picker.Forget();
    ShowCandidates({});
}

void WordButtonPanel::ShowCandidates(const std::vector<int>& candidates)
{
    // Candidates are underlined: the face colour is the button's state and
    // stays as it is.
    for (size_t i = 1; i < buttons.size(); ++i) {
        const bool candidate = std::find(candidates.begin(), candidates.end(),
                                         static_cast<int>(i)) != candidates.end();
        QFont f = buttons[i]->font();
        if (f.underline() != candidate) {
            f.setUnderline(candidate);
            buttons[i]->setFont(f);
        }
    }
}

void WordButtonPanel::PickKey(const WordPicker::Result& result)
{
    ShowCandidates(result.candidates);
    if (result.chosen > 0)
        emit Picked(result.chosen);
}

bool WordButtonPanel::Key(const QKeyEvent& key)
{
    if (Count() < 2)
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
            run([this, last] { emit Picked(last); });
        }
        return true;
    case Qt::Key_Space:
        // With nothing typed, Space presses the focused button as usual.
        if (picker.Typed().isEmpty())
            return false;
        run([this] { PickKey(picker.Confirm()); });
        return true;
    default:
        break;
    }
    const QString text = key.text();
    if (text.size() != 1 || !text[0].isPrint() || text[0].isSpace())
        return false;
    const QChar letter = text[0];
    run([this, letter] { PickKey(picker.Type(letter)); });
    return true;
}
