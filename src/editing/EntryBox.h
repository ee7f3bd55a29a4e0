#pragma once

#include <QLineEdit>

namespace arc {

// A one-line box of the certificate screen. Its length limit holds for
// what the user types or pastes; a longer value set by the program (a
// stored certificate) is shown and kept whole. A date box writes today's
// date on a double click.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(const char *objectName, QWidget *parent = nullptr);
    // A box taking at most `limit` typed or pasted characters.
    EntryBox(const char *objectName, int limit, QWidget *parent = nullptr) : EntryBox(objectName, parent)
    {
        setEntryLimit(limit);
    }

    void setEntryLimit(int characters) { m_limit = characters; } // 0: no limit of the box's own
    int entryLimit() const { return m_limit; }
    void setTodayOnDoubleClick(bool on) { m_today = on; }

    // Paste from the clipboard, as much as the limit leaves room for.
    void pasteWithinLimit();

    // A NUL character, which no field can store or be searched for, is
    // refused however it comes: typed, pasted, dropped or from an input
    // method. Every box of the window, this one included, refuses it.
    static void refuseNul(QLineEdit *box);

signals:
    void enterPressed();

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
