#include "ui/StudyStatus.h"

#include "store/History.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>

QuestionTableModel::QuestionTableModel(const Module1& state, QObject* parent)
    : QAbstractTableModel(parent), m(state)
{}

int QuestionTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, std::min(m.QuestionLineCount, static_cast<int>(m.QuestionTable.size()) - 1));
}

int QuestionTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QuestionRecord& r = m.QuestionTable[static_cast<size_t>(index.row() + 1)];
    if (role == StateRole)
        return static_cast<int>(StateOf(r));
    if (role == Qt::ToolTipRole)
        return StateName(StateOf(r));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case LineColumn:
        return r.LineNo;
    case JapaneseColumn:
        return HasTab(r.Text) ? JapanesePart(r.Text) : QString();
    case EnglishColumn:
        return EnglishPart(r.Text);
    case CorrectColumn:
        return r.CorrectCount;
    case WrongColumn:
        return r.WrongCount;
    default:
        return {};
    }
}

QVariant QuestionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char16_t* const names[] = {u"行", u"日本語", u"英語", u"正解数", u"誤答数"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf16(names[section]) : QVariant();
}

void QuestionTableModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void QuestionTableModel::RecordChanged(int index)
{
    if (index >= 1 && index <= rowCount())
        emit dataChanged(this->index(index - 1, 0), this->index(index - 1, ColumnCount - 1));
}

void QuestionFilter::SetText(const QString& t)
{
    text = t;
    invalidateFilter();
}

void QuestionFilter::SetState(int s)
{
    state = s;
    invalidateFilter();
}

bool QuestionFilter::filterAcceptsRow(int row, const QModelIndex& parent) const
{
    const QAbstractItemModel* source = sourceModel();
    if (state >= 0 &&
        source->index(row, 0, parent).data(QuestionTableModel::StateRole).toInt() != state)
        return false;
    if (text.isEmpty())
        return true;
    for (const int column :
         {QuestionTableModel::JapaneseColumn, QuestionTableModel::EnglishColumn}) {
        if (source->index(row, column, parent)
                .data()
                .toString()
                .contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

HistoryMap::HistoryMap(const Module1& state, QWidget* parent) : QWidget(parent), m(state)
{
    setObjectName(QStringLiteral("HistoryMap"));
    setMouseTracking(true);
    setMinimumHeight(60);
    setAccessibleName(QStringLiteral("学習状況の図"));
}

QColor HistoryMap::ColourOf(QuestionState state)
{
    // Colours told apart with every kind of colour vision; the hover text
    // names the state too.
    switch (state) {
    case QuestionState::Gap:
        return QColor(0xFF, 0xFF, 0xFF);
    case QuestionState::NeverTried:
        return QColor(0xC8, 0xC8, 0xC8);
    case QuestionState::OnlyWrong:
        return QColor(0xD5, 0x5E, 0x00);
    case QuestionState::CorrectAndWrong:
        return QColor(0xF0, 0xE4, 0x42);
    case QuestionState::OnlyCorrect:
        return QColor(0x00, 0x72, 0xB2);
    }
    return QColor();
}

void HistoryMap::Refresh()
{
    const int count =
        std::max(0, std::min(m.QuestionLineCount, static_cast<int>(m.QuestionTable.size()) - 1));
    byLine.assign(static_cast<size_t>(count + 1), 0);
    for (int i = 1; i <= count; ++i) {
        const int line = m.QuestionTable[static_cast<size_t>(i)].LineNo;
        if (line >= 1 && line <= count)
            byLine[static_cast<size_t>(line)] = i;
    }
    Layout();
    update();
}

void HistoryMap::Layout()
{
    const int count = static_cast<int>(byLine.size()) - 1;
    const int width = std::max(1, this->width());
    const int height = std::max(1, this->height());
    // The largest square cells that fit the whole file in the widget.
    cellSize = count > 0
                   ? std::clamp(static_cast<int>(std::sqrt(double(width) * height / count)), 1, 24)
                   : 24;
    while (cellSize > 1 &&
           ((count + width / cellSize - 1) / std::max(1, width / cellSize)) * cellSize > height)
        --cellSize;
    columns = std::max(1, width / cellSize);
    const int rows = std::max(1, (count + columns - 1) / columns);
    cells = QImage(columns, rows, QImage::Format_RGB32);
    cells.fill(palette().color(QPalette::Window));
    auto* bits = reinterpret_cast<QRgb*>(cells.bits());
    for (int line = 1; line <= count; ++line) {
        const QuestionRecord* r = RecordAt(line);
        bits[line - 1] = ColourOf(r ? StateOf(*r) : QuestionState::Gap).rgb();
    }
}

void HistoryMap::RecordChanged(int index)
{
    if (index < 1 || index >= static_cast<int>(m.QuestionTable.size()))
        return;
    const QuestionRecord& r = m.QuestionTable[static_cast<size_t>(index)];
    const int line = r.LineNo;
    if (cells.isNull() || line < 1 || line >= static_cast<int>(byLine.size()))
        return;
    cells.setPixel((line - 1) % columns, (line - 1) / columns, ColourOf(StateOf(r)).rgb());
    update(CellOf(line));
}

const QuestionRecord* HistoryMap::RecordAt(int line) const
{
    if (line < 1 || line >= static_cast<int>(byLine.size()) ||
        byLine[static_cast<size_t>(line)] == 0)
        return nullptr;
    return &m.QuestionTable[static_cast<size_t>(byLine[static_cast<size_t>(line)])];
}

QRect HistoryMap::CellOf(int line) const
{
    return QRect(((line - 1) % columns) * cellSize, ((line - 1) / columns) * cellSize, cellSize,
                 cellSize);
}

int HistoryMap::LineAt(const QPoint& at) const
{
    if (at.x() < 0 || at.y() < 0 || at.x() >= columns * cellSize)
        return 0;
    const int line = (at.y() / cellSize) * columns + at.x() / cellSize + 1;
    return line < static_cast<int>(byLine.size()) ? line : 0;
}

QString HistoryMap::HoverText(int line) const
{
    const QuestionRecord* r = RecordAt(line);
    // An empty line is a gap: nothing to say.
    if (!r || StateOf(*r) == QuestionState::Gap)
        return QString();
    return QStringLiteral("%1行目（%2）\n%3\n%4\n正解数：%5　誤答数：%6")
        .arg(line)
        .arg(StateName(StateOf(*r)), HasTab(r->Text) ? JapanesePart(r->Text) : QString(),
             EnglishPart(r->Text))
        .arg(r->CorrectCount)
        .arg(r->WrongCount);
}

void HistoryMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (cells.isNull())
        return;
    // One pixel a cell, scaled up without smoothing: the whole file in one draw.
    painter.drawImage(QRect(0, 0, cells.width() * cellSize, cells.height() * cellSize), cells);
}

void HistoryMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
}

bool HistoryMap::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = HoverText(LineAt(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void HistoryMap::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const int line = LineAt(event->position().toPoint()))
        emit LineActivated(line);
}

StudyStatus::StudyStatus(const Module1& state, QWidget* parent)
    : QWidget(parent, Qt::Window), m(state)
{
    setObjectName(QStringLiteral("StudyStatus"));
    setWindowTitle(QStringLiteral("学習状況"));
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    layout->addWidget(tabs);

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    totals = new QLabel(page);
    totals->setObjectName(QStringLiteral("totals"));
    totals->setTextFormat(Qt::PlainText);
    totals->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    column->addWidget(totals);
    map = new HistoryMap(m, page);
    map->setMinimumHeight(160);
    column->addWidget(map);
    auto* legend = new QLabel(page);
    legend->setTextFormat(Qt::RichText);
    QString legendText;
    for (const QuestionState s : {QuestionState::NeverTried, QuestionState::OnlyWrong,
                                  QuestionState::CorrectAndWrong, QuestionState::OnlyCorrect})
        legendText += QStringLiteral("<span style=\"background:%1\">&nbsp;&nbsp;&nbsp;</span> %2　")
                          .arg(HistoryMap::ColourOf(s).name(), StateName(s));
    legend->setText(legendText);
    column->addWidget(legend);

    auto* filters = new QHBoxLayout;
    filterText = new QLineEdit(page);
    filterText->setObjectName(QStringLiteral("filterText"));
    filterText->setPlaceholderText(QStringLiteral("日本語・英語で絞り込み"));
    filterText->setClearButtonEnabled(true);
    filterState = new QComboBox(page);
    filterState->setObjectName(QStringLiteral("filterState"));
    filterState->addItem(QStringLiteral("すべて"), -1);
    for (const QuestionState s : {QuestionState::NeverTried, QuestionState::OnlyWrong,
                                  QuestionState::CorrectAndWrong, QuestionState::OnlyCorrect})
        filterState->addItem(StateName(s), static_cast<int>(s));
    filters->addWidget(filterText, 1);
    filters->addWidget(filterState);
    column->addLayout(filters);

    model = new QuestionTableModel(m, this);
    filter = new QuestionFilter(this);
    filter->setSourceModel(model);
    table = new QTableView(page);
    table->setObjectName(QStringLiteral("questionTable"));
    table->setModel(filter);
    table->setSortingEnabled(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QuestionTableModel::JapaneseColumn,
                                                    QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(QuestionTableModel::EnglishColumn,
                                                    QHeaderView::Stretch);
    // Most wrong first: the questions that keep failing lead.
    table->sortByColumn(QuestionTableModel::WrongColumn, Qt::DescendingOrder);
    column->addWidget(table, 1);
    message = new QLabel(page);
    message->setObjectName(QStringLiteral("message"));
    column->addWidget(message);
    tabs->addTab(page, QStringLiteral("この問題ファイル"));

    files = new QTableWidget(this);
    files->setObjectName(QStringLiteral("files"));
    files->setColumnCount(5);
    files->setHorizontalHeaderLabels({QStringLiteral("問題ファイル"), QStringLiteral("問題数"),
                                      QStringLiteral("回答済み"), QStringLiteral("正解あり"),
                                      QStringLiteral("行数（前回）")});
    files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files->verticalHeader()->hide();
    files->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabs->addTab(files, QStringLiteral("学習したファイル"));

    connect(filterText, &QLineEdit::textChanged, filter, &QuestionFilter::SetText);
    connect(filterState, &QComboBox::currentIndexChanged, this,
            [this] { filter->SetState(filterState->currentData().toInt()); });
    connect(map, &HistoryMap::LineActivated, this, &StudyStatus::LineActivated);
    connect(table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        emit LineActivated(
            filter->index(index.row(), QuestionTableModel::LineColumn).data().toInt());
    });
    Refresh();
}

void StudyStatus::Refresh()
{
    model->Reset();
    map->Refresh();
    ShowTotals();
    ShowFiles();
}

void StudyStatus::RecordChanged(int index)
{
    model->RecordChanged(index);
    map->RecordChanged(index);
    ShowTotals();
}

void StudyStatus::SetMessage(const QString& text)
{
    message->setText(text);
}

void StudyStatus::ShowTotals()
{
    const StudyTotals t = TotalsOf(m.QuestionTable, m.QuestionLineCount);
    auto share = [&](int n) {
        return t.questions > 0 ? QString::number(100.0 * n / t.questions, 'f', 1) + QLatin1Char('%')
                               : QStringLiteral("-");
    };
    totals->setText(QStringLiteral("問題数：%1\n回答済み：%2（%3）\n一度でも正解：%4（%5）\n"
                                   "回答したが未正解：%6（%7）\n未回答：%8（%9）")
                        .arg(t.questions)
                        .arg(t.tried)
                        .arg(share(t.tried))
                        .arg(t.correctAtLeastOnce)
                        .arg(share(t.correctAtLeastOnce))
                        .arg(t.neverCorrectButTried)
                        .arg(share(t.neverCorrectButTried))
                        .arg(t.neverTried)
                        .arg(share(t.neverTried)));
    totals->setAccessibleName(totals->text());
}

void StudyStatus::ShowFiles()
{
    const std::vector<SectionSummary> sections = SummarizeSections(m.Ini.Lines(), m.Ini.Count());
    files->setRowCount(static_cast<int>(sections.size()));
    for (int row = 0; row < static_cast<int>(sections.size()); ++row) {
        const SectionSummary& s = sections[static_cast<size_t>(row)];
        const bool exists = QFileInfo::exists(s.path);
        const QString path = exists ? s.path : s.path + QStringLiteral("（ファイルがありません）");
        const QStringList cells{path, QString::number(s.questions), QString::number(s.tried),
                                QString::number(s.correctAtLeastOnce), QString::number(s.lines)};
        for (int c = 0; c < cells.size(); ++c)
            files->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
}
