#pragma once

#include "CertificateStore.h"
#include "ItemLine.h"

#include <QFrame>
#include <QHash>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace arc {

class EntryBox;
class EntryText;
class FormDefinition;
class ItemGrid;
class ItemGridModel;
class OrganizationChooser;

// The main screen laid out like the form, block by block, with the row of
// command buttons beneath. It only holds the controls; the main window
// gives them their behaviour.
class CertificateScreen : public QFrame {
    Q_OBJECT
public:
    // The grid shows `lines`; `newForm` tells whether a new certificate is
    // being entered.
    CertificateScreen(ItemGridModel *lines, std::function<bool()> newForm, QWidget *parent = nullptr);

    // Fill the boxes from a stored certificate, without running any handler.
    void showHeader(const CertificateHeader &c);
    // What the boxes hold, with the given item lines.
    CertificateEntries entries(const ItemSlots &lines) const;
    // The captions of the blocks and tick boxes as the form words them.
    void showCaptions(const FormDefinition &form);
    // Every command button but Set-up, which opens and closes a panel.
    void setCommandsEnabled(bool enabled);

    // The boxes are named after the form's blocks; their objectNames are
    // the field table's.
    EntryBox *block1Country;
    QLabel *block2Title;
    QComboBox *formChoice; // beside block 2: the form the certificate is printed as
    EntryBox *block3Tracking;
    QLabel *issuedMark;          // under block 3: issued, or changed after issue
    QLabel *supersededMark;      // under it: the issued correction that supersedes it
    OrganizationChooser *combo3; // block 4 organisation chooser
    EntryText *block4Organization;
    EntryText *block4Second;
    EntryText *block5Invoice;
    ItemGrid *grid1; // blocks 6 to 11
    QList<QPushButton *> columnButtons;
    QListWidget *list1; // part numbers
    QListWidget *list2; // statuses
    EntryText *block12Remarks;
    QRadioButton *option1, *option2; // export: yes, no
    QComboBox *combo1, *combo2;      // export country, forwarder
    QCheckBox *block13aApproved, *block13aNonApproved;
    EntryBox *block13dName, *block13cNumber, *block13eDate;
    QCheckBox *block14aReturnToService, *block14aOtherRegulation;
    EntryBox *block14dName, *block14cNumber, *block14eDate;
    QLabel *picture2; // the loaded signature

    QPushButton *setupButton, *defaultsButton, *deleteButton, *previousButton, *findButton, *nextButton,
        *partsButton, *editorButton, *printButton, *newButton, *saveButton, *exitButton;
    // Beside the grid's column captions, where they move nothing.
    QPushButton *duplicateButton, *batchButton;

    // Lay the pop-up lists over their columns of the grid.
    void placeLists();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // What shows a block's caption on screen, by the form's screen key.
    QWidget *captioned(const QString &key, QWidget *w);
    QHash<QString, QWidget *> m_captions;

    QWidget *buildTop();
    QWidget *buildItems(ItemGridModel *lines, std::function<bool()> newForm);
    QWidget *buildRemarks();
    QWidget *buildSignatures();
    QWidget *buildButtons();
};

} // namespace arc
