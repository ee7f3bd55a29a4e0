#pragma once

#include "Statements.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace arc {

class DataFolder;
class MessageBoxes;

// The fixed texts of block 12 as the shop keeps them: every signatory may
// read them with their sources; only an administrator changes them.
class StatementsPanel : public QFrame {
    Q_OBJECT
public:
    StatementsPanel(DataFolder &folder, MessageBoxes &messages, QWidget *parent = nullptr);

    // The "Statements" button; `administrator` says whether the one who
    // signed in may change them. False when they cannot be read.
    bool open(bool administrator);
    void choose(int row);
    // Store every statement changed since the panel was opened or saved;
    // false, the user told, when one was refused.
    bool save();
    // Close: changed statements are asked about first; false when a save
    // was refused and the panel stays open with them.
    bool closePanel();
    // Before the window leaves the panel's data (a sign out): closed as by
    // Close when open; false when it stays.
    bool mayLeave() { return isHidden() || closePanel(); }

    bool mayChange() const { return m_administrator; }

    QListWidget *list;      // StatementList
    QPlainTextEdit *text;   // StatementText
    QLineEdit *source;      // StatementSource
    QPushButton *saveButton, *closeButton;

protected:
    void hideEvent(QHideEvent *event) override;

signals:
    // What was done, for the status line.
    void told(const QString &what);

private:
    // The boxes' contents into the statement shown.
    void keepEdits();
    // Changed statements saved or dropped, as the user answers; false when
    // a save was refused and the edits are kept.
    bool settleEdits();
    void refused(const QString &why);
    // The characters a field of a statement stores.
    static int fieldLimit(const QString &field);

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    QList<Statement> m_stored, m_edited;
    int m_shown = -1;
    bool m_administrator = false;
    QLabel *m_readOnlyNote;
};

} // namespace arc
