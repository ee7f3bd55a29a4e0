#pragma once

#include <QFrame>
#include <array>

class QComboBox;
class QListWidget;
class QPushButton;

namespace arc {

class AddMode;
class DataFolder;
class EntryBox;
class EntryText;
class MessageBoxes;

// The part catalogue: each part number with its description, assembly
// number, validation initials, release drawing, eligibility and up to
// three stamps, and the texts the stamp codes stand for.
class PartsPanel : public QFrame {
    Q_OBJECT
public:
    // `partList` is the item grid's part list, kept in step.
    PartsPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QListWidget *partList,
               QWidget *parent = nullptr);

    void open();
    void choose(int index);
    // The text stored for the stamp code in box `i` (a code box was left).
    void lookUpStamp(int i);
    void newPart();
    void savePart();
    void deletePart();
    void saveStamps();
    void exitPanel();

    QComboBox *combo5;     // the stored parts, in order
    EntryBox *partEntry;   // a new part's number, in the chooser's place
    EntryText *description;
    EntryBox *pma, *vi, *relDwg;
    std::array<EntryBox *, 3> stampCodes;
    std::array<EntryText *, 3> stampTexts;
    EntryText *eligibility;
    QPushButton *savePartButton, *deleteButton, *newButton, *exitButton, *saveStampButton;

signals:
    // What was done, for the status line.
    void told(const QString &what);
    // False while the panel is open: the set-up panel stays open under it.
    void setupMayClose(bool may);

private:
    void fillBoxes();
    void clearBoxes();
    void takeStampTextAsEligibility();
    void showChooser(bool chooser);
    void addToChooser(const QString &partNumber);
    void refused(const QString &why);

    DataFolder &m_folder;
    AddMode &m_addMode;
    MessageBoxes &m_messages;
    QListWidget *m_partList;
    qint64 m_loadedRow = 0; // the part loaded, by its key; 0 when none
    QString m_loadedNumber;
};

} // namespace arc
