#pragma once

#include <QComboBox>

namespace arc {

// The paper an organisation's certificates print on: as the form has it
// (Letter for the FAA form, A4 for the EASA and UK forms), Letter or A4.
// Its value is the organisation's PaperSize field: empty, "Letter" or "A4".
class PaperChoice : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString kept READ kept WRITE setKept USER true)
public:
    explicit PaperChoice(QWidget *parent = nullptr);

    QString kept() const;
    // A value that is none of the three shows as the form's paper.
    void setKept(const QString &kept);
};

} // namespace arc
