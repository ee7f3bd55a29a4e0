#pragma once

class QWidget;

namespace arc {

class CertificateScreen;
class ItemGridModel;
class MessageBoxes;
class StatusLine;

// Tells the user of every value refused for being longer than its box or
// grid column allows, naming the box and its limit: a pasted text, a
// default, a catalogue look-up in a message; a key typed into a full box
// on the status line. An item line past the most a certificate holds is
// refused in a message.
namespace EntryRefusals {
void tell(QWidget &window, const CertificateScreen &screen, ItemGridModel &grid, MessageBoxes &messages,
          StatusLine &status);
} // namespace EntryRefusals

} // namespace arc
