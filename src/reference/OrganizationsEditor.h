#pragma once

#include "DbStatus.h"

#include <QWidget>
#include <array>

class QDataWidgetMapper;
class QPushButton;
class QSqlTableModel;

namespace arc {

class Database;
class EntryBox;
class FormsTicks;
class PaperChoice;

// The organisations of block 4, one row at a time in six boxes, with a
// navigator: first, previous, next, last; moving past the last row starts a
// new, empty one. A row's edits are stored when the user moves off it and
// when the editor closes.
class OrganizationsEditor : public QWidget {
    Q_OBJECT
public:
    explicit OrganizationsEditor(QWidget *parent = nullptr);
    ~OrganizationsEditor() override;

    // Show the organisations of `reference`, on the first row (a new, empty
    // one when there are none).
    void open(Database &reference);
    // Store the row on screen and let go of the database.
    DbStatus close();
    // Whether the one signed in may change the organisations (an
    // administrator). Otherwise they are shown and stepped through, and
    // nothing is stored, added or deleted.
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    DbStatus first();
    DbStatus previous();
    DbStatus next();
    DbStatus last();
    // Delete the organisation shown and stand on the last one.
    DbStatus deleteCurrent();

    int currentRow() const;
    int rowCount() const;

    // Name, Addr 1 to 3, FAA Cert. #, EASA Cert. #
    std::array<EntryBox *, 6> text8;
    EntryBox *ukNumber; // UkNum, "UK CAA Cert. #"
    // Block 1 of the EASA and UK forms: the EASA authority and its country,
    // the UK authority; and the forms the organisation may issue.
    std::array<EntryBox *, 3> authorityBoxes;
    FormsTicks *formsTicks;
    PaperChoice *paperChoice; // PaperSize: the paper its certificates print on
    QPushButton *firstButton, *previousButton, *nextButton, *lastButton; // Data7First ... Data7Last
    QPushButton *deleteButton;                                           // Command2

signals:
    // A store failed; the entries stay for another try.
    void storeFailed(const DbStatus &status);

private:
    DbStatus goTo(int row);
    DbStatus storeCurrent();
    void startNewRow();
    bool boxesEmpty() const;
    void report(const DbStatus &s);

    QSqlTableModel *m_model = nullptr;
    QDataWidgetMapper *m_mapper;
    bool m_editable = true;
};

} // namespace arc
