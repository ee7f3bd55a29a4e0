#pragma once

#include "ReferenceRows.h"

#include <QFrame>
#include <array>

class QComboBox;
class QGridLayout;
class QPushButton;

namespace arc {

class AddMode;
class DataFolder;
class EntryBox;
class MessageBoxes;

// A reference panel over one table whose rows are named: the list of
// names, a name box in its place while a new row is entered, the chosen
// row's details, and Save, Delete, New and Exit. Rows are told apart by
// their keys, never by equal names.
class ListPanel : public QFrame {
    Q_OBJECT
public:
    void open();
    void choose(int index);
    void newEntry();
    void save();
    void deleteEntry();
    void exitPanel();

    QComboBox *const list;
    EntryBox *const newName;
    QPushButton *const saveButton, *const deleteButton, *const newButton, *const exitButton;

signals:
    // What was done, for the status line.
    void told(const QString &what);

protected:
    // The panel's own names and texts.
    struct Texts {
        const char *panel, *list, *newName;
        int nameLimit;
        QString label, placeholder;
        std::array<const char *, 4> buttons; // Save, Delete, New, Exit
        QString title;                       // of its refusals
        QString nothingChosen;
        QString notSaved;   // %1 the name, %2 why
        QString notDeleted; // %1 why
    };
    ListPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, const Texts &texts, QWidget *parent);

    // Details go in rows 1 to `rows` of the grid; then the buttons.
    QGridLayout *grid() const { return m_grid; }
    void addButtons(int row);

    // The entries listed on opening, each with its data.
    virtual QList<std::pair<QString, QVariant>> listed() = 0;
    virtual DataView &view() = 0;
    virtual qint64 rowOf(const QVariant &entry) const = 0;
    virtual void showRow(const DataView &row) = 0;
    virtual void clearDetails() = 0;
    // Store the boxes as row `rowId` (0 adds one) named `name`.
    virtual RowWritten store(qint64 rowId, const QString &name) = 0;
    // The boxes as a list entry of row `rowId`.
    virtual QVariant entry(const QString &name, qint64 rowId) const = 0;
    // Where a new name goes in the panel's list.
    virtual int placeFor(const QString &name) const = 0;
    // The certificate screen's own list follows each change.
    virtual void added(const QString &name, const QVariant &entry) = 0;
    virtual void changed(const QVariant &) {}
    virtual void deleted(qint64 rowId) = 0;

    DataFolder &m_folder;

private:
    void showList(bool showIt);
    void refused(const QString &why);
    int indexOfRow(qint64 rowId) const;

    AddMode &m_addMode;
    MessageBoxes &m_messages;
    Texts m_texts;
    QGridLayout *m_grid;
    qint64 m_loadedRow = 0; // the row loaded, by its key; 0 when none
};

} // namespace arc
