#pragma once

#include <QWidget>
#include <array>

class frmMain;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The options dialog: every setting of the program, with three ways out. "ＯＫ"
// applies the options for this run, "更新" applies and saves them in
// english.ini, "Cancel" (and closing by the frame) discards them. Modeless; it
// fills itself from the settings once, when it is created, and is destroyed when
// it closes.
class Options : public QWidget
{
    Q_OBJECT

public:
    explicit Options(frmMain& main);

    void ButtonFile_Click(QLineEdit* box);
    void ButtonFont_Click(const QString& presetName, QLineEdit* nameBox, QLineEdit* sizeBox);
    void ButtonClearHistory_Click();
    void ButtonOK_Click();
    void ButtonChange_Click();
    void ButtonCancel_Click();

    QGroupBox* Frame1 = nullptr;
    std::array<QCheckBox*, 3> Check1{};
    QGroupBox* Frame3 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QPushButton* ButtonClearHistory = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* ButtonFquest = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* ButtonFseikai = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* ButtonFzannen = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* ButtonFgiveup = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BTFontWABUN = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text5 = nullptr;
    QPushButton* BTFontEnglish = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text6 = nullptr;
    QPushButton* BTFontComment = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text7 = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QPushButton* ButtonChange = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;

private:
    void BuildControls();
    void Fill();
    // Applies the dialog's options; with save, also writes them to english.ini.
    void Commit(bool save);

    frmMain& main;
};

// A point size as the size box shows it: 12, 10.5, 14.25.
QString FormatPointSize(double points);
