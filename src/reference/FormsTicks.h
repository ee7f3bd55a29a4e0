#pragma once

#include <QWidget>

class QCheckBox;

namespace arc {

// A tick box for each form, saying which an organisation may issue. Its
// value is the organisation's Forms field: the ticked names, "; " between.
class FormsTicks : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString kept READ kept WRITE setKept NOTIFY changed USER true)
public:
    explicit FormsTicks(QWidget *parent = nullptr);

    QString kept() const;
    void setKept(const QString &kept);
    QList<QCheckBox *> ticks() const { return m_ticks; }

signals:
    void changed();

private:
    QList<QCheckBox *> m_ticks;
};

} // namespace arc
