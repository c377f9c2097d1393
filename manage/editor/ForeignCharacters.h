#pragma once

#include <QString>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

// The accented-character panel of the list creator and of AddWord: the
// scroll bar picks a Windows-1252 code from 191 to 255 and the two buttons
// append the shown character to the word or to the meaning box. The owning
// screen wires the controls to its own handlers.
struct ForeignCharacters {
    QGroupBox *Frame1 = nullptr;
    QScrollBar *LScroll = nullptr;
    QLabel *CharLabel = nullptr;
    std::array<QPushButton *, 2> FLButton{};

    static constexpr int FirstCode = 191;
    static constexpr int LastCode = 255;

    // Builds the hidden panel on `parent` at the given twips position.
    void build(QWidget *parent, int left, int top, int width);
    // CharLabel shows the character for the scroll bar's value.
    void showPickedCharacter();
    QString picked() const;
};
