#include "TimeStampBox.h"

#include "HttpTimeStampService.h"
#include "NulRefusal.h"
#include "TimeStampTrial.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace arc {

TimeStampBox::TimeStampBox(QWidget *parent) : QGroupBox(tr("Time-stamp service"), parent)
{
    tsaUrl = new QLineEdit;
    tsaUrl->setObjectName(QStringLiteral("TsaUrl"));
    refuseNul(tsaUrl);
    tsaUrl->setMaxLength(255);
    tsaUrl->setPlaceholderText(QStringLiteral("http://timestamp.example/tsa"));
    tsaUrl->setToolTip(tr("Every signature carries this service's time stamp (RFC 3161); every workstation of "
                          "this data source uses it. Empty: signatures without time stamps."));
    tsaTest = new QPushButton(tr("Test"));
    tsaTest->setObjectName(QStringLiteral("TsaTest"));
    connect(tsaTest, &QPushButton::clicked, this, &TimeStampBox::test);
    result = new QLabel;
    result->setObjectName(QStringLiteral("TsaTestResult"));
    result->setWordWrap(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *row = new QHBoxLayout;
    row->addWidget(tsaUrl, 1);
    row->addWidget(tsaTest);
    auto *v = new QVBoxLayout(this);
    v->addLayout(row);
    v->addWidget(result);
}

QString TimeStampBox::url() const { return tsaUrl->text().trimmed(); }

void TimeStampBox::setUrl(const QString &url)
{
    tsaUrl->setText(url);
    result->clear();
}

void TimeStampBox::test()
{
    if (url().isEmpty()) {
        result->setText(tr("No time-stamp service is set: signatures carry no time stamps."));
        return;
    }
    result->setText(tr("Asking %1 for a time stamp...").arg(url()));
    tsaTest->setEnabled(false);
    result->setText(TimeStampTrial::run(HttpTimeStampService(url(), m_wait)));
    tsaTest->setEnabled(true);
}

} // namespace arc
