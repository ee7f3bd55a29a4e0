#pragma once

#include "ListPanel.h"

#include <array>

class QComboBox;

namespace arc {

// The freight forwarders with the four address lines an export remark
// carries.
class ForwardersPanel : public ListPanel {
    Q_OBJECT
public:
    // `screenList` is the certificate screen's forwarder list, kept in step.
    ForwardersPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *screenList,
                    QWidget *parent = nullptr);

    QComboBox *const combo8;           // "Forwarding House"
    std::array<EntryBox *, 4> address; // Text47_5, Text47_6, Text47_14, Text47_16

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
    void changed(const QVariant &entry) override;
    void deleted(qint64 rowId) override;

private:
    QStringList lines() const;
    void setAddressEnabled(bool on);

    QComboBox *m_screenList;
};

} // namespace arc
