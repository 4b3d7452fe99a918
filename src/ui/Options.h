#pragma once

#include "store/Settings.h"

#include <QWidget>
#include <array>
#include <functional>

class DialogSeam;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The options dialog: every setting of the program, with three ways out. "ＯＫ"
// hands the options over to be applied for this run, "更新" to be applied and
// saved in english.ini, "Cancel" (and closing by the frame) discards them.
// Modeless; it is filled from a settings value once, when it is created, hands
// a value back and is destroyed when it closes. It touches no other window.
class Options : public QWidget
{
    Q_OBJECT

public:
    Options(const AppSettings& settings, DialogSeam& dialogs, QWidget* parent);
    // Where 履歴のクリア learns the question file whose history it clears: the
    // one loaded when it is pressed, not the one loaded when the dialog opened.
    // Until set, the file the dialog was filled with.
    void SetHistoryFile(std::function<QString()> file);

    // The settings as the dialog shows them; a mode the file held outside the
    // known ones stays as it was unless a button of its group is chosen.
    AppSettings Settings() const;

    void ButtonFile_Click(QLineEdit* box);
    void ButtonFont_Click(const QString& presetName, QLineEdit* nameBox, QLineEdit* sizeBox);
    void ButtonClearHistory_Click();
    void ButtonOK_Click();
    void ButtonChange_Click();
    void ButtonCancel_Click();

signals:
    // ＯＫ (save false) or 更新 (save true): the receiver applies the settings
    // and closes the dialog when that worked; otherwise the dialog stays open.
    void Committed(const AppSettings& settings, bool save);
    // 履歴のクリア, confirmed by the user for the file the prompt named.
    void ClearHistoryConfirmed(const QString& questionFile);

public:
    QGroupBox* Frame1 = nullptr;        // メッセージの有無
    std::array<QCheckBox*, 3> Check1{}; // messages on a right answer, a wrong one, a give-up
    QGroupBox* Frame3 = nullptr;        // 動作モード (operation mode)
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QGroupBox* Frame4 = nullptr;     // 問題の表示方法 (display mode)
    QRadioButton* Option4 = nullptr; // every question
    QRadioButton* Option5 = nullptr; // hide questions answered correctly
    QRadioButton* Option6 = nullptr; // only questions answered wrongly
    QPushButton* ButtonClearHistory = nullptr;
    QLabel* Label1 = nullptr;             // heading ファイルの選択
    QPushButton* ButtonFquest = nullptr;  // chooses the question file
    QLineEdit* Text1 = nullptr;           // question file
    QPushButton* ButtonFseikai = nullptr; // chooses the right-answer messages
    QLineEdit* Text2 = nullptr;           // right-answer message file
    QPushButton* ButtonFzannen = nullptr; // chooses the wrong-answer messages
    QLineEdit* Text3 = nullptr;           // wrong-answer message file
    QPushButton* ButtonFgiveup = nullptr; // chooses the give-up messages
    QLineEdit* Text4 = nullptr;           // give-up message file
    QLabel* Label2 = nullptr;             // heading フォントの選択
    QPushButton* BTFontWABUN = nullptr;   // chooses the Japanese font
    QLineEdit* Text8 = nullptr;           // Japanese font size
    QLineEdit* Text5 = nullptr;           // Japanese font name
    QPushButton* BTFontEnglish = nullptr; // chooses the English font
    QLineEdit* Text9 = nullptr;           // English font size
    QLineEdit* Text6 = nullptr;           // English font name
    QPushButton* BTFontComment = nullptr; // chooses the comment (LabelCHK) font
    QLineEdit* Text10 = nullptr;          // comment font size
    QLineEdit* Text7 = nullptr;           // comment font name
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QPushButton* ButtonChange = nullptr; // 更新: apply and save
    QGroupBox* Frame2 = nullptr;         // カウント, below the visible area
    QCheckBox* Check2 = nullptr;         // show the question count
    QCheckBox* Check3 = nullptr;         // limit the question count

private:
    // The control that shows one settings line: a check box, a text box or a
    // radio group whose button ids are the mode values.
    struct LineControl
    {
        QCheckBox* check = nullptr;
        QLineEdit* box = nullptr;
        QButtonGroup* group = nullptr;
    };

    void BuildControls();
    void Fill();
    // Hands the settings over unless a text holds a line break.
    void Commit(bool save);
    const LineControl& ControlOf(const SettingsField& field) const;

    AppSettings filled;
    DialogSeam& dialogs;
    std::function<QString()> historyFile;
    QButtonGroup* modeGroup = nullptr;
    QButtonGroup* displayGroup = nullptr;
    std::array<LineControl, SettingsLineCount + 1> lineControls{};
};

// What the dialog and the main window say of a name or value with a line break.
QString LineBreakMessage();

// A point size as the size box shows it: 12, 10.5, 14.25.
QString FormatPointSize(double points);
