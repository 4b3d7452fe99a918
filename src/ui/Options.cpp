#include "ui/Options.h"

#include "ui/DialogSeam.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <algorithm>
#include <map>

QString LineBreakMessage()
{
    return QStringLiteral("改行を含む名前や値は使えません。");
}

QString FormatPointSize(double points)
{
    return QString::number(points, 'g', 8);
}

Options::Options(const AppSettings& settings, DialogSeam& dialogSeam, QWidget* parent)
    : QWidget(parent, Qt::Dialog), filled(settings), dialogs(dialogSeam)
{
    setObjectName(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("オプション設定"));
    setFixedSize(TwipsToPixels(8145), TwipsToPixels(5700));
    BuildControls();
    Fill();
}

namespace {

// Places a child given in the dialog's coordinates inside its parent.
void Place(QWidget* w, int left, int top, int width, int height)
{
    QRect r = TwipsRect(left, top, width, height);
    for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        r.translate(-p->x(), -p->y());
    w->setGeometry(r);
}

} // namespace

void Options::BuildControls()
{
    std::map<int, QWidget*> tabs;
    auto frame = [&](QGroupBox*& g, const char* name, const QString& title, QRect r) {
        g = new QGroupBox(title, this);
        g->setObjectName(QLatin1String(name));
        g->setGeometry(r);
    };
    auto check = [&](QCheckBox*& c, const char* name, const QString& caption, QWidget* parent,
                     int l, int t, int w, int h, int tab) {
        c = new QCheckBox(caption, parent);
        c->setObjectName(QLatin1String(name));
        Place(c, l, t, w, h);
        tabs[tab] = c;
    };
    auto option = [&](QRadioButton*& o, const char* name, const QString& caption, int l, int t,
                      int w, int h, int tab) {
        o = new QRadioButton(caption, this);
        o->setObjectName(QLatin1String(name));
        Place(o, l, t, w, h);
        tabs[tab] = o;
    };
    auto button = [&](QPushButton*& b, const char* name, const QString& caption, int l, int t,
                      int w, int h, int tab) {
        b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setDefault(false);
        Place(b, l, t, w, h);
        tabs[tab] = b;
    };
    auto box = [&](QLineEdit*& e, const char* name, int l, int t, int w, int h, int tab,
                   bool right = false) {
        e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        Place(e, l, t, w, h);
        if (right)
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabs[tab] = e;
    };
    auto heading = [&](QLabel*& lb, const char* name, const QString& caption, QRect r) {
        lb = new QLabel(caption, this);
        lb->setObjectName(QLatin1String(name));
        lb->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lb->setGeometry(r);
    };

    frame(Frame1, "Frame1", QStringLiteral("メッセージの有無"), TwipsRect(240, 240, 2655, 1575));
    check(Check1[0], "Check1_0", QStringLiteral("正解時のメッセージ"), this, 480, 480, 2295, 495,
          1);
    check(Check1[1], "Check1_1", QStringLiteral("不正解時のメッセージ"), Frame1, 480, 840, 2055,
          495, 2);
    check(Check1[2], "Check1_2", QStringLiteral("Ｇｉｖｅｕｐ時のメッセージ"), Frame1, 480, 1320,
          2055, 375, 3);
    frame(Frame3, "Frame3", QStringLiteral("動作モード"), TwipsRect(240, 1920, 2655, 1575));
    option(Option1, "Option1", QStringLiteral("単語ボタンを表示"), 480, 2160, 2175, 495, 31);
    option(Option2, "Option2", QStringLiteral("葉書メソッド（和英）"), 480, 2520, 2175, 495, 27);
    option(Option3, "Option3", QStringLiteral("葉書メソッド（英和）"), 480, 3000, 2175, 375, 32);
    frame(Frame4, "Frame4", QStringLiteral("問題の表示方法"), TwipsRect(240, 3600, 2655, 1935));
    option(Option4, "Option4", QStringLiteral("全ての問題を表示"), 480, 3840, 2295, 495, 35);
    option(Option5, "Option5", QStringLiteral("正解した問題を非表示"), 480, 4200, 2295, 495, 36);
    option(Option6, "Option6", QStringLiteral("間違えた問題だけを表示"), 480, 4560, 2295, 495, 37);
    button(ButtonClearHistory, "ButtonClearHistory", QStringLiteral("履歴のクリア"), 480, 5040,
           2175, 375, 34);

    heading(Label1, "Label1", QStringLiteral("ファイルの選択"), TwipsRect(3120, 240, 4935, 255));
    button(ButtonFquest, "ButtonFquest", QStringLiteral("問題"), 3120, 600, 1095, 375, 14);
    box(Text1, "Text1", 4320, 600, 3735, 375, 7);
    button(ButtonFseikai, "ButtonFseikai", QStringLiteral("正解"), 3120, 1080, 1095, 375, 15);
    box(Text2, "Text2", 4320, 1080, 3735, 375, 8);
    button(ButtonFzannen, "ButtonFzannen", QStringLiteral("誤答"), 3120, 1560, 1095, 375, 16);
    box(Text3, "Text3", 4320, 1560, 3735, 375, 9);
    button(ButtonFgiveup, "ButtonFgiveup", QStringLiteral("Ｇｉｖｅｕｐ"), 3120, 2040, 1095, 375,
           17);
    box(Text4, "Text4", 4320, 2040, 3735, 375, 10);

    heading(Label2, "Label2", QStringLiteral("フォントの選択"), TwipsRect(3120, 2520, 4935, 255));
    button(BTFontWABUN, "BTFontWABUN", QStringLiteral("和文"), 3120, 2880, 1095, 375, 21);
    box(Text8, "Text8", 4320, 2880, 615, 375, 28, true);
    box(Text5, "Text5", 4920, 2880, 3135, 375, 18);
    button(BTFontEnglish, "BTFontEnglish", QStringLiteral("英文"), 3120, 3360, 1095, 375, 22);
    box(Text9, "Text9", 4320, 3360, 615, 375, 29, true);
    box(Text6, "Text6", 4920, 3360, 3135, 375, 19);
    button(BTFontComment, "BTFontComment", QStringLiteral("コメント"), 3120, 3840, 1095, 375, 23);
    box(Text10, "Text10", 4320, 3840, 615, 375, 30, true);
    box(Text7, "Text7", 4920, 3840, 3135, 375, 20);

    button(ButtonOK, "ButtonOK", QStringLiteral("ＯＫ"), 3120, 5040, 1215, 495, 11);
    button(ButtonCancel, "ButtonCancel", QStringLiteral("Cancel"), 4440, 5040, 2175, 495, 12);
    button(ButtonChange, "ButtonChange", QStringLiteral("更新"), 6720, 5040, 1215, 495, 13);

    // Below the client area: filled and read back, never seen at this size.
    frame(Frame2, "Frame2", QStringLiteral("カウント"), TwipsRect(1560, 6000, 2655, 1215));
    check(Check2, "Check2", QStringLiteral("問題数の表示"), this, 1800, 6240, 2175, 495, 5);
    check(Check3, "Check3", QStringLiteral("問題数の指定"), this, 1800, 6600, 1695, 495, 26);

    // Controls that lie over a frame without belonging to it are drawn above it.
    for (QWidget* w : std::initializer_list<QWidget*>{Check1[0], Option1, Option2, Option3,
                                                      ButtonClearHistory, Check2, Check3})
        w->raise();

    // The display group becomes a group of its own, at the same places on screen.
    // Qt counts grandchildren in a parent's radio group too, so each group also
    // gets a button group of its own; the ids are the mode values.
    displayGroup = new QButtonGroup(this);
    int id = 0;
    for (QRadioButton* o : {Option4, Option5, Option6}) {
        const QPoint onScreen = o->pos();
        o->setParent(Frame4);
        o->move(onScreen - Frame4->pos());
        o->show();
        displayGroup->addButton(o, id++);
    }
    modeGroup = new QButtonGroup(this);
    id = 0;
    for (QRadioButton* o : {Option1, Option2, Option3})
        modeGroup->addButton(o, id++);

    lineControls[1].check = Check1[0];
    lineControls[2].check = Check1[1];
    lineControls[3].check = Check1[2];
    lineControls[4].check = Check2;
    lineControls[5].check = Check3;
    int line = 6;
    for (QLineEdit* e : {Text1, Text2, Text3, Text4, Text5, Text8, Text6, Text9, Text7, Text10})
        lineControls[static_cast<size_t>(line++)].box = e;
    lineControls[16].group = modeGroup;
    lineControls[17].group = displayGroup;

    QWidget* previous = nullptr;
    for (const auto& [tab, w] : tabs) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }

    connect(ButtonFquest, &QPushButton::clicked, this, [this] { ButtonFile_Click(Text1); });
    connect(ButtonFseikai, &QPushButton::clicked, this, [this] { ButtonFile_Click(Text2); });
    connect(ButtonFzannen, &QPushButton::clicked, this, [this] { ButtonFile_Click(Text3); });
    connect(ButtonFgiveup, &QPushButton::clicked, this, [this] { ButtonFile_Click(Text4); });
    connect(BTFontWABUN, &QPushButton::clicked, this,
            [this] { ButtonFont_Click(filled.JapaneseFontName, Text5, Text8); });
    connect(BTFontEnglish, &QPushButton::clicked, this,
            [this] { ButtonFont_Click(filled.EnglishFontName, Text6, Text9); });
    connect(BTFontComment, &QPushButton::clicked, this,
            [this] { ButtonFont_Click(filled.CommentFontName, Text7, Text10); });
    connect(ButtonClearHistory, &QPushButton::clicked, this, &Options::ButtonClearHistory_Click);
    connect(ButtonOK, &QPushButton::clicked, this, &Options::ButtonOK_Click);
    connect(ButtonChange, &QPushButton::clicked, this, &Options::ButtonChange_Click);
    connect(ButtonCancel, &QPushButton::clicked, this, &Options::ButtonCancel_Click);
}

const Options::LineControl& Options::ControlOf(const SettingsField& field) const
{
    return lineControls[static_cast<size_t>(field.line)];
}

void Options::Fill()
{
    for (const SettingsField& field : SettingsFields) {
        const LineControl& c = ControlOf(field);
        // A hand-edited switch other than 0 or 1 shows as checked only when it
        // is 1, the one value the program treats as on.
        if (c.check)
            c.check->setChecked(NumberOf(filled, field) == 1);
        else if (c.box)
            c.box->setText(TextOf(filled, field));
        else if (QAbstractButton* b = c.group->button(NumberOf(filled, field)))
            b->setChecked(true);
    }
}

AppSettings Options::Settings() const
{
    AppSettings s = filled;
    for (const SettingsField& field : SettingsFields) {
        const LineControl& c = ControlOf(field);
        if (c.check)
            SetNumber(s, field, c.check->isChecked() ? 1 : 0);
        else if (c.box)
            SetText(s, field, c.box->text());
        else if (c.group->checkedId() >= 0)
            SetNumber(s, field, c.group->checkedId());
    }
    return s;
}

void Options::ButtonFile_Click(QLineEdit* box)
{
    const QString path = dialogs.OpenFileName(this, QStringLiteral("開く"), AllFilesFilter());
    if (path.isEmpty())
        return;
    if (HasLineBreak(path)) {
        dialogs.Inform(this, QStringLiteral("Quillmere"), LineBreakMessage());
        return;
    }
    box->setText(path);
}

void Options::ButtonFont_Click(const QString& presetName, QLineEdit* nameBox, QLineEdit* sizeBox)
{
    QFont preset = font();
    if (!presetName.isEmpty())
        preset.setFamily(presetName);
    // A cancelled font dialog leaves both boxes as they were.
    const auto chosen = dialogs.ChooseFont(this, preset);
    if (!chosen)
        return;
    nameBox->setText(chosen->family());
    sizeBox->setText(FormatPointSize(chosen->pointSizeF()));
}

void Options::SetHistoryFile(std::function<QString()> file)
{
    historyFile = std::move(file);
}

void Options::ButtonClearHistory_Click()
{
    // The prompt names the file whose history goes, and that file alone goes.
    const QString file = historyFile ? historyFile() : filled.QuestionFile;
    const QString prompt =
        QStringLiteral("問題：") + file + QStringLiteral("の履歴を削除しますか？");
    if (dialogs.ConfirmOkCancel(this, QStringLiteral("Quillmere"), prompt))
        emit ClearHistoryConfirmed(file);
}

void Options::Commit(bool save)
{
    const AppSettings chosen = Settings();
    // A line break would split its line of english.ini and shift the rest.
    if (HasLineBreak(chosen)) {
        dialogs.Inform(this, QStringLiteral("Quillmere"), LineBreakMessage());
        return;
    }
    emit Committed(chosen, save);
}

void Options::ButtonOK_Click()
{
    Commit(false);
}

void Options::ButtonChange_Click()
{
    Commit(true);
}

void Options::ButtonCancel_Click()
{
    close();
}
