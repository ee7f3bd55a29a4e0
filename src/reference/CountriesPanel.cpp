#include "CountriesPanel.h"

#include "AddMode.h"
#include "BusyPointer.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "MessageBoxes.h"
#include "PanelParts.h"
#include "ReferenceLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace arc {

CountriesPanel::CountriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, Hooks hooks,
                               QWidget *parent)
    : QFrame(parent), m_folder(folder), m_addMode(addMode), m_messages(messages), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("SSPanel4"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    combo7 = new QComboBox;
    combo7->setObjectName(QStringLiteral("Combo7"));
    combo7->setPlaceholderText(QStringLiteral("Press New to enter new country"));
    newName = new EntryBox("Text47_18");
    newName->setEntryLimit(20);
    newName->hide();
    bilateral = new QCheckBox(QStringLiteral("Bilateral Agreement"));
    bilateral->setObjectName(QStringLiteral("SSCheck1"));
    jaa = new QCheckBox(QStringLiteral("JAA Member Country"));
    jaa->setObjectName(QStringLiteral("SSCheck2"));
    saveButton = PanelParts::button("SSCommand17", QStringLiteral("Save"), "green");
    deleteButton = PanelParts::button("SSCommand18", QStringLiteral("Delete"), "red");
    newButton = PanelParts::button("SSCommand19", QStringLiteral("New"), "black");
    exitButton = PanelParts::button("SSCommand20", QStringLiteral("Exit"), "red");

    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("Country")), 0, 0);
    g->addWidget(combo7, 0, 1);
    g->addWidget(newName, 0, 1); // in the list's place while a new country is entered
    g->addWidget(bilateral, 1, 1);
    g->addWidget(jaa, 2, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {saveButton, deleteButton, newButton, exitButton})
        buttons->addWidget(b);
    g->addLayout(buttons, 3, 0, 1, 2);
    g->setRowStretch(4, 1);

    connect(combo7, &QComboBox::activated, this, &CountriesPanel::choose);
    connect(saveButton, &QPushButton::clicked, this, &CountriesPanel::save);
    connect(deleteButton, &QPushButton::clicked, this, &CountriesPanel::deleteCountry);
    connect(newButton, &QPushButton::clicked, this, &CountriesPanel::newCountry);
    connect(exitButton, &QPushButton::clicked, this, &CountriesPanel::exitPanel);
    hide();
}

void CountriesPanel::showList(bool list)
{
    combo7->setVisible(list);
    newName->setVisible(!list);
}

void CountriesPanel::open()
{
    {
        BusyPointer busy;
        combo7->clear();
        for (const CountryEntry &c : ReferenceLists::countries(m_folder.countries()))
            combo7->addItem(c.name, QVariant::fromValue(c));
    }
    PanelParts::placeInside(this);
    show();
    raise();
    m_loadedRow = 0;
    newName->clear();
    if (combo7->count() > 0) {
        combo7->setCurrentIndex(0);
        choose(0);
        showList(true);
    } else {
        // The only way on is New.
        showList(false);
        newName->setEnabled(false);
    }
}

void CountriesPanel::choose(int index)
{
    if (index >= 0) {
        const CountryEntry entry = combo7->itemData(index).value<CountryEntry>();
        DataView &countries = m_folder.countries();
        if (countries.moveToRow(entry.rowId).ok() && countries.hasRow()) {
            m_loadedRow = entry.rowId;
            newName->setText(countries.text(QStringLiteral("Country")));
            bilateral->setChecked(countries.value(QStringLiteral("Bilateral")).toBool());
            jaa->setChecked(countries.value(QStringLiteral("JAA")).toBool());
        }
    }
    exitButton->setFocus();
    deleteButton->setEnabled(true);
}

void CountriesPanel::newCountry()
{
    showList(false);
    newName->setEnabled(true);
    m_addMode.set();
    newName->clear();
    bilateral->setChecked(false);
    jaa->setChecked(false);
    newName->setFocus();
    deleteButton->setEnabled(false);
    newButton->setEnabled(false);
}

void CountriesPanel::refused(const QString &why)
{
    m_messages.ask({why, QStringLiteral("Countries"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

void CountriesPanel::save()
{
    const bool adding = m_addMode.isOn();
    const QString name = newName->text();
    if (!name.isEmpty() && !adding && m_loadedRow == 0) {
        // After a Delete nothing is loaded: never write over another row.
        refused(QStringLiteral("No country is chosen, so nothing was saved. Choose a country, or press New to "
                               "add one."));
    } else if (!name.isEmpty()) {
        DataView &countries = m_folder.countries();
        DbStatus s = adding ? countries.addNew() : countries.moveToRow(m_loadedRow);
        if (s.ok() && !adding)
            s = countries.hasRow() ? countries.edit() : DbStatus::failure(DbCondition::RecordGone);
        if (s.ok()) {
            countries.setValue(QStringLiteral("Country"), name);
            countries.setValue(QStringLiteral("Bilateral"), bilateral->isChecked());
            countries.setValue(QStringLiteral("JAA"), jaa->isChecked());
            s = countries.update();
        }
        if (!s.ok()) {
            countries.cancelUpdate();
            refused(QStringLiteral("Country %1 was not saved: %2.")
                        .arg(name, s.is(DbCondition::RecordGone) ? QStringLiteral("it has been deleted meanwhile")
                                                                 : s.detail()));
            return;
        }
        if (adding) {
            const CountryEntry entry{name, bilateral->isChecked(), jaa->isChecked(), countries.lastAddedRowId()};
            m_loadedRow = entry.rowId;
            combo7->addItem(name, QVariant::fromValue(entry));
            combo7->setCurrentIndex(combo7->count() - 1);
            // Offered for export at once, whatever its flags, until the
            // list is next filled.
            m_hooks.exportList->insertItem(PanelParts::sortedPosition(m_hooks.exportList, name), name,
                                           QVariant::fromValue(entry));
            showList(true);
            m_addMode.clear();
        } else {
            const int i = PanelParts::indexOfRow<CountryEntry>(combo7, m_loadedRow);
            if (i >= 0)
                combo7->setItemData(i, QVariant::fromValue(CountryEntry{name, bilateral->isChecked(),
                                                                        jaa->isChecked(), m_loadedRow}));
        }
    }
    deleteButton->setEnabled(true);
    newButton->setEnabled(true);
}

void CountriesPanel::deleteCountry()
{
    if (m_addMode.isOn() || m_loadedRow == 0)
        return;
    DataView &countries = m_folder.countries();
    DbStatus s = countries.moveToRow(m_loadedRow);
    if (s.ok() && countries.hasRow())
        s = countries.deleteCurrent();
    if (!s.ok()) {
        refused(QStringLiteral("The country was not deleted: %1.").arg(s.detail()));
        return;
    }
    // The list below drops the country; the view reads it no more at its next move.
    (void)countries.refresh();
    combo7->removeItem(PanelParts::indexOfRow<CountryEntry>(combo7, m_loadedRow));
    combo7->setCurrentIndex(-1);
    showList(true);
    deleteButton->setEnabled(false);
    m_loadedRow = 0;
    m_hooks.setCountryList();
}

void CountriesPanel::exitPanel()
{
    showList(true);
    hide();
}

} // namespace arc
