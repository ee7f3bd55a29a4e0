#pragma once

class QWidget;

namespace arc {

class CertificateScreen;
class ItemGridModel;
class MessageBoxes;

// Tells the user of every value refused for being longer than its box or
// grid column allows, naming the box and its limit: a pasted text, a
// default, a catalogue look-up.
namespace EntryRefusals {
void tell(QWidget &window, const CertificateScreen &screen, ItemGridModel &grid, MessageBoxes &messages);
} // namespace EntryRefusals

} // namespace arc
