#include "ForwardersPanel.h"

#include "AddMode.h"
#include "BusyPointer.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "MessageBoxes.h"
#include "PanelParts.h"
#include "ReferenceLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace arc {

ForwardersPanel::ForwardersPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *screenList,
                                 QWidget *parent)
    : QFrame(parent), m_folder(folder), m_addMode(addMode), m_messages(messages), m_screenList(screenList)
{
    setObjectName(QStringLiteral("SSPanel5"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    combo8 = new QComboBox;
    combo8->setObjectName(QStringLiteral("Combo8"));
    combo8->setPlaceholderText(QStringLiteral("Press New to enter new house"));
    newName = new EntryBox("Text47_4");
    newName->setEntryLimit(50);
    newName->hide();
    const char *lines[] = {"Text47_5", "Text47_6", "Text47_14", "Text47_16"};
    for (int i = 0; i < 4; ++i) {
        address[i] = new EntryBox(lines[i]);
        address[i]->setEntryLimit(50);
    }
    saveButton = PanelParts::button("SSCommand21", QStringLiteral("Save"), "green");
    deleteButton = PanelParts::button("SSCommand22", QStringLiteral("Delete"), "red");
    newButton = PanelParts::button("SSCommand23", QStringLiteral("New"), "black");
    exitButton = PanelParts::button("SSCommand24", QStringLiteral("Exit"), "red");

    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("Forwarding House")), 0, 0);
    g->addWidget(combo8, 0, 1);
    g->addWidget(newName, 0, 1); // in the list's place while a new house is entered
    g->addWidget(new QLabel(QStringLiteral("Address")), 1, 0);
    for (int i = 0; i < 4; ++i)
        g->addWidget(address[i], 1 + i, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {saveButton, deleteButton, newButton, exitButton})
        buttons->addWidget(b);
    g->addLayout(buttons, 5, 0, 1, 2);
    g->setRowStretch(6, 1);

    connect(combo8, &QComboBox::activated, this, &ForwardersPanel::choose);
    connect(saveButton, &QPushButton::clicked, this, &ForwardersPanel::save);
    connect(deleteButton, &QPushButton::clicked, this, &ForwardersPanel::deleteHouse);
    connect(newButton, &QPushButton::clicked, this, &ForwardersPanel::newHouse);
    connect(exitButton, &QPushButton::clicked, this, &ForwardersPanel::exitPanel);
    hide();
}

void ForwardersPanel::showList(bool list)
{
    combo8->setVisible(list);
    newName->setVisible(!list);
}

void ForwardersPanel::open()
{
    {
        BusyPointer busy;
        combo8->clear();
        // The screen's houses in their order; the placeholder is no house.
        for (int i = 0; i < m_screenList->count(); ++i) {
            const ForwarderEntry house = m_screenList->itemData(i).value<ForwarderEntry>();
            if (house.rowId != 0)
                combo8->addItem(m_screenList->itemText(i), QVariant::fromValue(house));
        }
    }
    PanelParts::placeInside(this);
    show();
    raise();
    // Unreadable now, a save or delete of a house says so.
    (void)m_folder.forwarders().refresh();
    m_loadedRow = 0;
    newName->clear();
    if (combo8->count() > 0) {
        combo8->setCurrentIndex(0);
        choose(0);
        showList(true);
    } else {
        showList(false);
        newName->setEnabled(false);
    }
}

void ForwardersPanel::choose(int index)
{
    if (index >= 0) {
        const qint64 rowId = combo8->itemData(index).value<ForwarderEntry>().rowId;
        DataView &houses = m_folder.forwarders();
        if (houses.moveToRow(rowId).ok() && houses.hasRow()) {
            m_loadedRow = rowId;
            newName->setText(houses.text(QStringLiteral("ForwardHouse")));
            const char *fields[] = {"FHInfo1", "FHInfo2", "FHInfo3", "FHInfo4"};
            for (int i = 0; i < 4; ++i)
                address[i]->setText(houses.text(QString::fromLatin1(fields[i])));
        }
    }
    exitButton->setFocus();
    deleteButton->setEnabled(true);
}

void ForwardersPanel::newHouse()
{
    showList(false);
    newName->setEnabled(true);
    m_addMode.set();
    newName->clear();
    for (EntryBox *line : address)
        line->clear();
    newName->setFocus();
    deleteButton->setEnabled(false);
    newButton->setEnabled(false);
}

void ForwardersPanel::refused(const QString &why)
{
    m_messages.ask({why, QStringLiteral("Forwarding houses"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

void ForwardersPanel::save()
{
    const bool adding = m_addMode.isOn();
    const QString name = newName->text();
    if (!name.isEmpty() && !adding && m_loadedRow == 0) {
        // After a Delete nothing is loaded: never write over another row.
        refused(QStringLiteral("No forwarding house is chosen, so nothing was saved. Choose a house, or press New "
                               "to add one."));
    } else if (!name.isEmpty()) {
        DataView &houses = m_folder.forwarders();
        DbStatus s = adding ? houses.addNew() : houses.moveToRow(m_loadedRow);
        if (s.ok() && !adding)
            s = houses.hasRow() ? houses.edit() : DbStatus::failure(DbCondition::RecordGone);
        ForwarderEntry entry{name, {}, m_loadedRow};
        if (s.ok()) {
            houses.setValue(QStringLiteral("ForwardHouse"), name);
            const char *fields[] = {"FHInfo1", "FHInfo2", "FHInfo3", "FHInfo4"};
            for (int i = 0; i < 4; ++i) {
                houses.setValue(QString::fromLatin1(fields[i]), address[i]->text());
                entry.info << address[i]->text();
            }
            s = houses.update();
        }
        if (!s.ok()) {
            houses.cancelUpdate();
            refused(QStringLiteral("Forwarding house %1 was not saved: %2.")
                        .arg(name, s.is(DbCondition::RecordGone) ? QStringLiteral("it has been deleted meanwhile")
                                                                 : s.detail()));
            return;
        }
        if (adding) {
            entry.rowId = houses.lastAddedRowId();
            m_loadedRow = entry.rowId;
            const int at = PanelParts::sortedPosition(combo8, name);
            combo8->insertItem(at, name, QVariant::fromValue(entry));
            combo8->setCurrentIndex(at);
            m_screenList->insertItem(PanelParts::sortedPosition(m_screenList, name), name,
                                     QVariant::fromValue(entry));
            showList(true);
            m_addMode.clear();
        } else {
            // The next export remark carries the address as it now stands.
            for (QComboBox *list : {combo8, m_screenList})
                if (const int i = PanelParts::indexOfRow<ForwarderEntry>(list, m_loadedRow); i >= 0)
                    list->setItemData(i, QVariant::fromValue(entry));
        }
    }
    deleteButton->setEnabled(true);
    newButton->setEnabled(true);
}

void ForwardersPanel::deleteHouse()
{
    if (m_addMode.isOn() || m_loadedRow == 0)
        return;
    DataView &houses = m_folder.forwarders();
    DbStatus s = houses.moveToRow(m_loadedRow);
    if (s.ok() && houses.hasRow())
        s = houses.deleteCurrent();
    if (!s.ok()) {
        refused(QStringLiteral("The forwarding house was not deleted: %1.").arg(s.detail()));
        return;
    }
    // The lists below drop the house; the view reads it no more at its next move.
    (void)houses.refresh();
    // That house's entries, told apart from others of the same name by row.
    if (const int i = PanelParts::indexOfRow<ForwarderEntry>(m_screenList, m_loadedRow); i >= 0)
        m_screenList->removeItem(i);
    combo8->removeItem(PanelParts::indexOfRow<ForwarderEntry>(combo8, m_loadedRow));
    combo8->setCurrentIndex(-1);
    showList(true);
    deleteButton->setEnabled(false);
    m_loadedRow = 0;
}

void ForwardersPanel::exitPanel()
{
    showList(true);
    hide();
}

} // namespace arc
