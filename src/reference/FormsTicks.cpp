#include "FormsTicks.h"

#include "FormNames.h"

#include <QCheckBox>
#include <QGridLayout>

namespace arc {

FormsTicks::FormsTicks(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormsTicks"));
    setToolTip(tr("The forms the organisation's approvals let it issue; none ticked: every form"));
    auto *g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    for (const QString &name : FormNames::all()) {
        auto *tick = new QCheckBox(name);
        g->addWidget(tick, int(m_ticks.size()) / 2, int(m_ticks.size()) % 2);
        connect(tick, &QCheckBox::toggled, this, &FormsTicks::changed);
        m_ticks << tick;
    }
}

QString FormsTicks::kept() const
{
    QStringList names;
    for (const QCheckBox *tick : m_ticks)
        if (tick->isChecked())
            names << tick->text();
    return FormNames::kept(names);
}

void FormsTicks::setKept(const QString &kept)
{
    // Only the names kept are ticked: none kept allows every form, yet
    // shows none ticked.
    QStringList names;
    for (const QString &name : kept.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names << name.trimmed();
    for (QCheckBox *tick : m_ticks)
        tick->setChecked(names.contains(tick->text()));
}

} // namespace arc
