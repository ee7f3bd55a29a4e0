#pragma once

#include <QPlainTextEdit>

namespace arc {

// A box of several lines on the certificate screen, with the same length
// limit as EntryBox for what is typed, pasted or offered, counted as the
// text is stored: a line break takes two characters. Optionally Enter moves on instead
// of breaking the line, and typed letters a to z become capitals (pasted
// text is taken as it is). A NUL character is never taken.
class EntryText : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EntryText(const char *objectName, QWidget *parent = nullptr);

    void setEntryLimit(int characters);
    QString entryName() const;
    // A value the program puts in, as EntryBox::offer.
    bool offer(const QString &text);
    void setEnterMovesOn(bool on) { m_enterMovesOn = on; }
    void setCapitals(bool on) { m_capitals = on; }

signals:
    void enterPressed();
    void refused(const QString &box, int limit);
    // A key typed into the full box: it was not taken.
    void typedPastLimit(const QString &box, int limit);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Stored characters left for new text when the selected ones go.
    int room() const;

    int m_limit = 0;
    bool m_enterMovesOn = false;
    bool m_capitals = false;
};

} // namespace arc
