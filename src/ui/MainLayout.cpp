// The designed controls of the main window: their places in twips, faces,
// colours and captions, and the focus order of the design. The window connects
// them to its handlers.
#include "ui/MainLayout.h"

#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>

namespace {

QFont DesignFont(double points, bool bold = false)
{
    QFont f(DesignFace);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void SetColours(QWidget* w, const QColor& background, const QColor& text = QColor())
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    if (qobject_cast<QTextEdit*>(w))
        p.setColor(QPalette::Base, background);
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

BuiltControls BuildMainControls(QMainWindow& window, frmMain::Controls& ui)
{
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    SetColours(client, QColor(0xC0, 0xC0, 0xFF));
    window.setCentralWidget(client);

    auto label = [client](QLabel*& l, const char* name, const QString& caption, QRect geometry,
                          double points, Qt::Alignment align, const QColor& bg,
                          const QColor& fg = QColor()) {
        l = new QLabel(caption, client);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(geometry);
        l->setFont(DesignFont(points));
        l->setAlignment(align);
        SetColours(l, bg, fg);
    };
    const QColor windowFace(0xC0, 0xC0, 0xFF);
    label(ui.Quest, "Quest", QString(), TwipsRect(975, 120, 8265, 975), 15.75,
          Qt::AlignHCenter | Qt::AlignTop, QColor(0xFF, 0xFF, 0xC0), QColor(0x40, 0x00, 0x00));
    ui.Quest->setWordWrap(true);
    label(ui.Label1, "Label1", QStringLiteral("問題："), TwipsRect(240, 480, 735, 375), 12,
          Qt::AlignLeft | Qt::AlignTop, windowFace);

    ui.Anser = new QTextEdit(client);
    ui.Anser->setObjectName(QStringLiteral("Anser"));
    ui.Anser->setAcceptRichText(false);
    ui.Anser->setTabChangesFocus(true);
    ui.Anser->setGeometry(TwipsRect(960, 1200, 8295, 975));
    ui.Anser->setFont(DesignFont(15.75));
    ui.Anser->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    ui.Anser->document()->setDefaultTextOption([] {
        QTextOption o(Qt::AlignHCenter);
        o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        return o;
    }());
    SetColours(ui.Anser, QColor(0xFF, 0xFF, 0xFF), QColor(0x00, 0x00, 0x40));
    ui.Anser->setAccessibleName(QStringLiteral("答え"));

    label(ui.Label2, "Label2", QStringLiteral("答え："), TwipsRect(240, 1440, 735, 375), 12,
          Qt::AlignLeft | Qt::AlignTop, windowFace);
    // One line of 18 points in a row 25 pixels high: centred, so a face with a
    // tall line box loses its empty top and bottom rather than the glyphs.
    label(ui.LabelCHK, "LabelCHK", QString(), TwipsRect(960, 2400, 8295, 375), 18,
          Qt::AlignLeft | Qt::AlignVCenter, windowFace, QColor(0xC0, 0x40, 0x00));

    auto* words0 = new QPushButton(QStringLiteral("単語"), client);
    words0->setObjectName(QStringLiteral("Words_0"));
    words0->setGeometry(TwipsRect(240, 2400, 1815, 375));
    words0->setFont(DesignFont(12, true));
    words0->setPalette([&] {
        QPalette p = words0->palette();
        p.setColor(QPalette::Button, QColor(0xC0, 0xFF, 0xFF));
        return p;
    }());
    words0->raise();

    label(ui.Label3, "Label3", QStringLiteral("あなたの回答"), TwipsRect(960, 2880, 8295, 495),
          15.75, Qt::AlignHCenter | Qt::AlignTop, windowFace);
    label(ui.Label4, "Label4", QString(), TwipsRect(960, 3480, 8295, 495), 14.25,
          Qt::AlignHCenter | Qt::AlignTop, windowFace);

    auto button = [client](QPushButton*& b, const char* name, const QString& caption, int left,
                           int width, const QColor& face) {
        b = new QPushButton(caption, client);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(TwipsRect(left, 6480, width, 375));
        if (face.isValid()) {
            QPalette p = b->palette();
            p.setColor(QPalette::Button, face);
            b->setPalette(p);
        }
    };
    button(ui.BStart, "BStart", QStringLiteral("開始"), 120, 855, QColor(0xFF, 0xC0, 0xC0));
    button(ui.BCheck, "BCheck", QStringLiteral("チェック"), 1080, 855, QColor(0xFF, 0xFF, 0xC0));
    button(ui.BNext, "BNext", QStringLiteral("次"), 2040, 855, QColor(0xC0, 0xFF, 0xC0));
    button(ui.BBack, "BBack", QStringLiteral("前"), 3000, 855, QColor(0xC0, 0xFF, 0xC0));
    button(ui.BClear, "BClear", QStringLiteral("クリア"), 3960, 855, QColor(0xC0, 0xFF, 0xC0));
    button(ui.BGiveup, "BGiveup", QStringLiteral("Give up"), 4920, 855, QColor(0x80, 0xFF, 0xFF));

    auto numberBox = [client](QLineEdit*& t, const char* name, int left,
                              const QString& accessible) {
        t = new QLineEdit(client);
        t->setObjectName(QLatin1String(name));
        t->setGeometry(TwipsRect(left, 6480, 615, 375));
        t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setAccessibleName(accessible);
    };
    numberBox(ui.Text1, "Text1", 6840, QStringLiteral("問題番号"));
    numberBox(ui.Text2, "Text2", 7560, QStringLiteral("問題数"));
    {
        QPalette p = ui.Text2->palette();
        p.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0x80));
        ui.Text2->setPalette(p);
    }
    button(ui.BExit, "BExit", QStringLiteral("終了"), 8280, 975, QColor());

    ui.sbStatusBar = new QStatusBar(&window);
    ui.sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    ui.sbStatusBar->setSizeGripEnabled(false);
    ui.sbStatusBar->setFixedHeight(TwipsToPixels(390));
    auto* statusText = new QLabel(QStringLiteral("現在の問題ファイル"), ui.sbStatusBar);
    statusText->setObjectName(QStringLiteral("sbStatusBarText"));
    statusText->setTextFormat(Qt::PlainText);
    ui.sbStatusBar->addWidget(statusText, 1);
    window.setStatusBar(ui.sbStatusBar);

    // Focus order of the window.
    QWidget* order[] = {ui.Anser,  ui.BClear,  ui.BCheck, ui.BNext, ui.BExit, words0,
                        ui.BStart, ui.BGiveup, ui.BBack,  ui.Text1, ui.Text2};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    ui.Anser->setFocus();
    return {client, words0, statusText};
}
