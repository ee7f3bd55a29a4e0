#pragma once

#include <QFrame>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace arc {

class AddMode;
class DataFolder;
class EntryBox;
class MessageBoxes;

// The signatories (DMIRs) panel: names, certification numbers, passwords,
// the administrator right and the signature bitmap of each signatory.
class SignatoriesPanel : public QFrame {
    Q_OBJECT
public:
    struct Hooks {
        QComboBox *accessNames;                       // the Access Control name list, kept in step
        std::function<QString()> accessPassword;      // what the Access Control password box holds
        std::function<QString()> dataFolder;          // ending with "/"
        std::function<void(bool)> setSetupButtonEnabled;
    };
    SignatoriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, Hooks hooks,
                     QWidget *parent = nullptr);

    // The "DMIRs" button. Returns whether the panel opened.
    bool open();
    void choose(int index);
    void newSignatory();
    void save();
    void deleteSignatory();
    void exitPanel();

    QComboBox *combo6;       // "DMIR Name"
    EntryBox *newName;       // Text47_17
    EntryBox *certification; // Text47_15
    QLineEdit *oldPassword;  // Text47_9
    EntryBox *newPassword;   // Text47_10
    QRadioButton *yes, *no;  // Option3, Option4
    EntryBox *adminPassword; // Text47_12
    QCheckBox *useElectronic; // Check2
    QListWidget *files;      // File1
    QPushButton *saveButton, *deleteButton, *newButton, *exitButton;

private:
    void chooseYes();
    void listBitmaps();
    void loadRow(qint64 rowId, bool &found);
    void fillList();

    DataFolder &m_folder;
    AddMode &m_addMode;
    MessageBoxes &m_messages;
    Hooks m_hooks;
    qint64 m_loadedRow = 0;       // the row chosen, 0 when none
    QString m_storedPassword;     // that row's password, whole
};

} // namespace arc
