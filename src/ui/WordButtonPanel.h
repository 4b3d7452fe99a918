#pragma once

#include "answer/WordPick.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QKeyEvent;
class QPushButton;
class QScrollArea;

// The word buttons of word-button mode, over the word area of the window: built
// from the words of a sentence at the designed grid positions (a long sentence
// flows, and scrolls past what the area holds), chosen by a click or by typing
// their first letters, each either available or used (its face colour is its
// state). It reports the word chosen; the window builds the answer and judges.
class WordButtonPanel : public QWidget
{
    Q_OBJECT

public:
    // templateButton is the designed, hidden button whose font, face and size
    // every word button takes; it stays where it is, as button 0. run runs a
    // command as the window runs a user's command (never inside another).
    WordButtonPanel(QPushButton* templateButton, std::function<void(std::function<void()>)> run,
                    QWidget* client);

    // One button for each of words[1..], in that order.
    void Build(const QStringList& words);
    void Remove();
    // The buttons; element 0 is the template.
    const std::vector<QPushButton*>& Buttons() const { return buttons; }
    // How many buttons there are plus one, as the window's count keeps it; 0
    // when none were built.
    int Count() const { return built ? static_cast<int>(buttons.size()) : 0; }

    bool Holds(int index) const;
    QString WordOf(int index) const;
    bool Used(int index) const;
    bool AllUsed() const;
    bool IsCandidate(int index) const;
    // Marks button index used (it went into the answer) or available again.
    void SetUsed(int index, bool used);
    // Every button available again.
    void MakeAllAvailable();
    // A key typed outside the text boxes: true when it was a pick's.
    bool Key(const QKeyEvent& key);
    // The button that takes the keyboard first, or null.
    QPushButton* First() const;

signals:
    // A button was clicked: the window runs its click as a command.
    void Clicked(int index);
    // Typing chose a button, inside a command already.
    void Picked(int index);

private:
    void PlaceLongSentence();
    void ShowCandidates(const std::vector<int>& candidates);
    void PickKey(const WordPicker::Result& result);

    std::function<void(std::function<void()>)> run;
    std::vector<QPushButton*> buttons;
    bool built = false;
    WordPicker picker;
    std::vector<int> chosenOrder;   // buttons in the order they went into the answer
    QPointer<QScrollArea> wordArea; // only for a sentence too long for the area
};
