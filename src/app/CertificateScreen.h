#pragma once

#include "CertificateStore.h"
#include "ItemLine.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace arc {

// The main screen laid out like the form, block by block, with the row of
// command buttons beneath. It only holds the controls; the main window
// gives them their behaviour.
class CertificateScreen : public QFrame {
    Q_OBJECT
public:
    explicit CertificateScreen(QWidget *parent = nullptr);

    // Grid row `row` shows `line`.
    void showLine(int row, const ItemLine &line);
    void clearGrid();

    // Fill the boxes from a stored certificate, without running any handler.
    void showHeader(const CertificateHeader &c);
    // What the boxes hold, with the given item lines.
    CertificateEntries entries(const ItemSlots &lines) const;
    // Every command button but Set-up, which opens and closes a panel.
    void setCommandsEnabled(bool enabled);

    QLineEdit *text38;      // block 1
    QLineEdit *text3;       // block 3
    QComboBox *combo3;      // block 4 organisation chooser
    QPlainTextEdit *text1;  // block 4
    QPlainTextEdit *text2;  // block 4, second text
    QPlainTextEdit *text5;  // block 5
    QTableWidget *grid1;    // blocks 6 to 11
    QList<QPushButton *> columnButtons;
    QListWidget *list1;     // part numbers
    QListWidget *list2;     // statuses
    QPlainTextEdit *text13; // block 12
    QRadioButton *option1, *option2;
    QComboBox *combo1, *combo2;
    QCheckBox *check3D1, *check3D2;
    QLineEdit *text17, *text16, *text18;
    QCheckBox *check3D6, *check3D8;
    QLineEdit *text7, *text4, *text6;
    QLabel *picture2; // the loaded signature

    QPushButton *setupButton, *defaultsButton, *deleteButton, *previousButton, *findButton, *nextButton,
        *partsButton, *editorButton, *printButton, *newButton, *saveButton, *exitButton;

private:
    QWidget *buildTop();
    QWidget *buildItems();
    QWidget *buildRemarks();
    QWidget *buildSignatures();
    QWidget *buildButtons();
};

// Screen positions are given in twips; 15 twips make a pixel at 96 dpi.
constexpr int twipsToPixels(int twips) { return twips / 15; }

} // namespace arc
