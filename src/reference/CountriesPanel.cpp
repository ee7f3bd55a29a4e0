#include "CountriesPanel.h"

#include "DataFolder.h"
#include "EntryBox.h"
#include "PanelParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

namespace arc {

CountriesPanel::CountriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *exportList,
                               QWidget *parent)
    : ListPanel(folder, addMode, messages,
                {"SSPanel4",
                 "Combo7",
                 "Text47_18",
                 20,
                 tr("Country"),
                 tr("Press New to enter new country"),
                 {"SSCommand17", "SSCommand18", "SSCommand19", "SSCommand20"},
                 tr("Countries"),
                 tr("No country is chosen, so nothing was saved. Choose a country, or press New to "
                                "add one."),
                 tr("Country %1 was not saved: %2."),
                 tr("The country was not deleted: %1.")},
                parent),
      combo7(list), m_exportList(exportList)
{
    bilateral = new QCheckBox(tr("Bilateral Agreement"));
    bilateral->setObjectName(QStringLiteral("SSCheck1"));
    jaa = new QCheckBox(tr("JAA Member Country"));
    jaa->setObjectName(QStringLiteral("SSCheck2"));
    grid()->addWidget(bilateral, 1, 1);
    grid()->addWidget(jaa, 2, 1);
    addButtons(3);
}

QList<std::pair<QString, QVariant>> CountriesPanel::listed()
{
    QList<std::pair<QString, QVariant>> out;
    for (const CountryEntry &c : ReferenceLists::countries(m_folder.countries()))
        out.append({c.name, QVariant::fromValue(c)});
    return out;
}

DataView &CountriesPanel::view() { return m_folder.countries(); }

qint64 CountriesPanel::rowOf(const QVariant &entry) const { return entry.value<CountryEntry>().rowId; }

void CountriesPanel::showRow(const DataView &row)
{
    newName->setText(row.text(QStringLiteral("Country")));
    bilateral->setChecked(row.value(QStringLiteral("Bilateral")).toBool());
    jaa->setChecked(row.value(QStringLiteral("JAA")).toBool());
}

void CountriesPanel::clearDetails()
{
    bilateral->setChecked(false);
    jaa->setChecked(false);
}

RowWritten CountriesPanel::store(qint64 rowId, const QString &name)
{
    return ReferenceRows::storeCountry(m_folder.countries(), rowId, {name, bilateral->isChecked(), jaa->isChecked()});
}

QVariant CountriesPanel::entry(const QString &name, qint64 rowId) const
{
    return QVariant::fromValue(CountryEntry{name, bilateral->isChecked(), jaa->isChecked(), rowId});
}

int CountriesPanel::placeFor(const QString &) const { return combo7->count(); }

void CountriesPanel::added(const QString &name, const QVariant &entry)
{
    // Offered for export at once, whatever its flags, until the list is
    // next filled.
    m_exportList->insertItem(PanelParts::sortedPosition(m_exportList, name), name, entry);
}

void CountriesPanel::deleted(qint64) { emit countryDeleted(); }

} // namespace arc
