#pragma once

#include "quiz/Module1.h"
#include "quiz/Progress.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class QTableWidget;

// The program's own question table as a table of rows: line, Japanese, English,
// 正解数, 誤答数; no copy is made.
class QuestionTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        LineColumn,
        JapaneseColumn,
        EnglishColumn,
        CorrectColumn,
        WrongColumn,
        ColumnCount
    };
    static constexpr int StateRole = Qt::UserRole;

    explicit QuestionTableModel(const Module1& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The table was loaded, mixed or cleared.
    void Reset();
    // Record index (from 1) changed its counters.
    void RecordChanged(int index);

private:
    const Module1& m;
};

// Filters the rows by a text in the Japanese or English and by state.
class QuestionFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetText(const QString& text);
    // A QuestionState, or -1 for every state.
    void SetState(int state);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString text;
    int state = -1;
};

// The whole file as a picture: one cell per line in file order, coloured by
// its state (empty lines are gaps), filling the width.
class HistoryMap : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryMap(const Module1& state, QWidget* parent = nullptr);

    void Refresh();
    // Record index (from 1) changed its counters: only its cell is redrawn.
    void RecordChanged(int index);
    // The line (from 1) under a point, or 0.
    int LineAt(const QPoint& at) const;
    // Where line's cell is drawn.
    QRect CellOf(int line) const;
    // What hovering over line's cell says.
    QString HoverText(int line) const;
    static QColor ColourOf(QuestionState state);

signals:
    void LineActivated(int line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Layout();
    const QuestionRecord* RecordAt(int line) const;

    const Module1& m;
    std::vector<int> byLine; // record index of each line, from 1
    QImage cells;            // one pixel a cell
    int cellSize = 1;
    int columns = 1;
};

// 学習状況: the loaded file's totals, picture and table, and the other files
// english.ini has a history for. Reads the program's state; writes nothing.
class StudyStatus : public QWidget
{
    Q_OBJECT

public:
    StudyStatus(const Module1& state, QWidget* parent);

    // Everything again: a file was loaded, mixed or cleared.
    void Refresh();
    // One record's counters changed.
    void RecordChanged(int index);
    // A line shown in the status window's message row.
    void SetMessage(const QString& text);

    QTabWidget* tabs = nullptr;
    QLabel* totals = nullptr;
    HistoryMap* map = nullptr;
    QLineEdit* filterText = nullptr;
    QComboBox* filterState = nullptr;
    QTableView* table = nullptr;
    QuestionTableModel* model = nullptr;
    QuestionFilter* filter = nullptr;
    QLabel* message = nullptr;
    QTableWidget* files = nullptr;

signals:
    // A double-click on a line of the picture or the table.
    void LineActivated(int line);

private:
    void ShowTotals();
    void ShowFiles();

    const Module1& m;
};
