#pragma once

#include <QString>
#include <optional>

namespace arc {

class CertificateScreen;
class DataFolder;
class ItemGridModel;
class MessageBoxes;

// Block 12 as the program fills it. What the user typed after the program
// last filled it is theirs: composing it again asks before replacing it,
// and typed remarks that already state the dual release are left alone.
class RemarksOnScreen {
public:
    RemarksOnScreen(CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder, MessageBoxes &messages);

    // Composes block 12 from the screen (`ownFormIndex`: the stored
    // certificate on screen, 0 for a new one) and shows it, unless the user
    // keeps what is there. A failed read of the statements leaves it as it is.
    void compose(qint64 ownFormIndex);
    // Shows `text` as the program's own.
    void fill(const QString &text);
    // What block 12 shows now came from a stored certificate, perhaps typed.
    void forget() { m_filled.reset(); }

private:
    CertificateScreen &m_screen;
    ItemGridModel &m_grid;
    DataFolder &m_folder;
    MessageBoxes &m_messages;
    // Block 12 as the program last filled it; none for a stored certificate,
    // whose remarks may well have been typed.
    std::optional<QString> m_filled;
};

} // namespace arc
