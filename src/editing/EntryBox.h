#pragma once

#include <QLineEdit>

namespace arc {

// A one-line box of the certificate screen. Its length limit holds for
// what the user types or pastes and for what the program offers (a
// default, a signatory's number): what does not fit is refused whole and
// reported, never cut. A stored value set with setText is shown and kept
// whole. A date box writes today's date on a double click.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(const char *objectName, QWidget *parent = nullptr);
    // A box taking at most `limit` typed or pasted characters.
    EntryBox(const char *objectName, int limit, QWidget *parent = nullptr) : EntryBox(objectName, parent)
    {
        setEntryLimit(limit);
    }

    void setEntryLimit(int characters); // 0: no limit of the box's own
    int entryLimit() const { return m_limit; }
    // The box as a message names it: its accessible name, else its object name.
    QString entryName() const;

    // A value the program puts in, without running the user's handlers.
    // Refused (the box keeps its value, `refused` is emitted) when longer
    // than the limit.
    bool offer(const QString &text);
    void setTodayOnDoubleClick(bool on) { m_today = on; }

    // Paste the clipboard's first line; refused whole when it does not fit.
    void pasteWithinLimit();

signals:
    void enterPressed();
    void refused(const QString &box, int limit);
    // A key typed into the full box: it was not taken.
    void typedPastLimit(const QString &box, int limit);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int room() const;

    int m_limit = 0;
    bool m_today = false;
};

} // namespace arc
