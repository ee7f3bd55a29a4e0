#pragma once

#include "ListPanel.h"

class QCheckBox;
class QComboBox;

namespace arc {

// The export countries with their bilateral-agreement and JAA-member flags.
class CountriesPanel : public ListPanel {
    Q_OBJECT
public:
    // `exportList` is the certificate screen's country list: a country
    // added here is offered there at once.
    CountriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *exportList,
                   QWidget *parent = nullptr);

    QComboBox *const combo7;    // "Country"
    QCheckBox *bilateral, *jaa; // SSCheck1, SSCheck2

signals:
    // A country was deleted: the export list is to be filled again.
    void countryDeleted();

protected:
    QList<std::pair<QString, QVariant>> listed() override;
    DataView &view() override;
    qint64 rowOf(const QVariant &entry) const override;
    void showRow(const DataView &row) override;
    void clearDetails() override;
    RowWritten store(qint64 rowId, const QString &name) override;
    QVariant entry(const QString &name, qint64 rowId) const override;
    int placeFor(const QString &name) const override;
    void added(const QString &name, const QVariant &entry) override;
    void deleted(qint64 rowId) override;

private:
    QComboBox *m_exportList;
};

} // namespace arc
