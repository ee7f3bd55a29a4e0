#include "ForwardersPanel.h"

#include "DataFolder.h"
#include "EntryBox.h"
#include "PanelParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace arc {

namespace {

const char *const kLineFields[] = {"FHInfo1", "FHInfo2", "FHInfo3", "FHInfo4"};

} // namespace

ForwardersPanel::ForwardersPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *screenList,
                                 QWidget *parent)
    : ListPanel(folder, addMode, messages,
                {"SSPanel5",
                 "Combo8",
                 "Text47_4",
                 50,
                 tr("Forwarding House"),
                 tr("Press New to enter new house"),
                 {"SSCommand21", "SSCommand22", "SSCommand23", "SSCommand24"},
                 tr("Forwarding houses"),
                 tr("No forwarding house is chosen, so nothing was saved. Choose a house, or press New "
                                "to add one."),
                 tr("Forwarding house %1 was not saved: %2."),
                 tr("The forwarding house was not deleted: %1.")},
                parent),
      combo8(list), m_screenList(screenList)
{
    const char *names[] = {"Text47_5", "Text47_6", "Text47_14", "Text47_16"};
    grid()->addWidget(new QLabel(tr("Address")), 1, 0);
    for (int i = 0; i < 4; ++i) {
        address[i] = new EntryBox(names[i]);
        address[i]->setEntryLimit(50);
        // Until New or a house is chosen: New would wipe what was typed.
        address[i]->setEnabled(false);
        grid()->addWidget(address[i], 1 + i, 1);
    }
    addButtons(5);
}

QStringList ForwardersPanel::lines() const
{
    QStringList out;
    for (const EntryBox *line : address)
        out << line->text();
    return out;
}

QList<std::pair<QString, QVariant>> ForwardersPanel::listed()
{
    // The screen's houses in their order; the placeholder is no house.
    setAddressEnabled(false);
    QList<std::pair<QString, QVariant>> out;
    for (int i = 0; i < m_screenList->count(); ++i) {
        const ForwarderEntry house = m_screenList->itemData(i).value<ForwarderEntry>();
        if (house.rowId != 0)
            out.append({m_screenList->itemText(i), QVariant::fromValue(house)});
    }
    // Unreadable now, a save or delete of a house says so.
    (void)m_folder.forwarders().refresh();
    return out;
}

DataView &ForwardersPanel::view() { return m_folder.forwarders(); }

qint64 ForwardersPanel::rowOf(const QVariant &entry) const { return entry.value<ForwarderEntry>().rowId; }

void ForwardersPanel::showRow(const DataView &row)
{
    newName->setText(row.text(QStringLiteral("ForwardHouse")));
    setAddressEnabled(true);
    for (int i = 0; i < 4; ++i)
        address[i]->setText(row.text(QString::fromLatin1(kLineFields[i])));
}

void ForwardersPanel::clearDetails()
{
    for (EntryBox *line : address)
        line->clear();
    setAddressEnabled(true); // New
}

void ForwardersPanel::setAddressEnabled(bool on)
{
    for (EntryBox *line : address)
        line->setEnabled(on);
}

RowWritten ForwardersPanel::store(qint64 rowId, const QString &name)
{
    return ReferenceRows::storeForwarder(m_folder.forwarders(), rowId, {name, lines(), rowId});
}

QVariant ForwardersPanel::entry(const QString &name, qint64 rowId) const
{
    return QVariant::fromValue(ForwarderEntry{name, lines(), rowId});
}

int ForwardersPanel::placeFor(const QString &name) const { return PanelParts::sortedPosition(combo8, name); }

void ForwardersPanel::added(const QString &name, const QVariant &entry)
{
    m_screenList->insertItem(PanelParts::sortedPosition(m_screenList, name), name, entry);
}

void ForwardersPanel::changed(const QVariant &entry)
{
    // The next export remark carries the address as it now stands.
    const qint64 row = rowOf(entry);
    if (const int i = PanelParts::indexOfRow<ForwarderEntry>(m_screenList, row); i >= 0)
        m_screenList->setItemData(i, entry);
}

void ForwardersPanel::deleted(qint64 rowId)
{
    setAddressEnabled(false);
    // That house's entry, told apart from others of the same name by row.
    if (const int i = PanelParts::indexOfRow<ForwarderEntry>(m_screenList, rowId); i >= 0)
        m_screenList->removeItem(i);
}

} // namespace arc
