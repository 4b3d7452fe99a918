#pragma once

#include "ui/frmMain.h"

#include <QString>

class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;

// The face the design names; PrepareApplication maps it to an installed
// Japanese Gothic face.
inline const QString DesignFace = QStringLiteral("ＭＳ Ｐゴシック");

// What the layout makes beside the designed controls.
struct BuiltControls
{
    QWidget* client = nullptr;     // the client area, the window's central widget
    QPushButton* words0 = nullptr; // the hidden template of the word buttons
    QLabel* statusText = nullptr;  // the text of the status bar
};

// Makes the designed controls of the main window into ui, on window's client
// area and status bar, in the focus order of the design.
BuiltControls BuildMainControls(QMainWindow& window, frmMain::Controls& ui);
