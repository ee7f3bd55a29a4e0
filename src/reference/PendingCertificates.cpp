#include "PendingCertificates.h"

#include "DataFolder.h"
#include "MessageBoxes.h"
#include "SigningRequests.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace arc {

namespace {
constexpr int kRowRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;
} // namespace

PendingCertificates::PendingCertificates(DataFolder &folder, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent), m_folder(folder), m_messages(messages)
{
    list = new QListWidget;
    list->setObjectName(QStringLiteral("PendingCertificates"));
    list->setMaximumHeight(80);
    approveButton = new QPushButton(tr("Approve..."));
    approveButton->setObjectName(QStringLiteral("ApproveRequest"));
    discardButton = new QPushButton(tr("Discard"));
    discardButton->setObjectName(QStringLiteral("DiscardRequest"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(approveButton);
    buttons->addWidget(discardButton);
    buttons->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addLayout(buttons);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new QLabel(tr("Certificates requested, awaiting approval")));
    v->addLayout(row);
    m_askPassphrase = [this]() -> std::optional<QString> {
        bool ok = false;
        const QString typed = QInputDialog::getText(this, tr("Approve the request"), tr("The shop authority's passphrase:"),
                                                    QLineEdit::Password, {}, &ok);
        return ok ? std::optional<QString>(typed) : std::nullopt;
    };
    connect(approveButton, &QPushButton::clicked, this, &PendingCertificates::approve);
    connect(discardButton, &QPushButton::clicked, this, &PendingCertificates::discard);
}

void PendingCertificates::refresh()
{
    list->clear();
    QList<RequestRow> pending;
    if (!m_folder.isOpen() || !SigningRequests(m_folder).pending(pending).ok())
        pending.clear();
    for (const RequestRow &r : pending) {
        const QString when = QDateTime::fromString(r.requestedAt, Qt::ISODate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        auto *item = new QListWidgetItem(tr("%1 (%2), requested %3").arg(r.name, r.approvalNumber, when), list);
        item->setData(kRowRole, r.signatory);
        item->setData(kNameRole, r.name);
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
    approveButton->setEnabled(list->count() > 0);
    discardButton->setEnabled(list->count() > 0);
}

std::optional<std::pair<qint64, QString>> PendingCertificates::chosen() const
{
    const QListWidgetItem *item = list->currentItem();
    if (!item)
        return std::nullopt;
    return std::pair(item->data(kRowRole).toLongLong(), item->data(kNameRole).toString());
}

void PendingCertificates::approve()
{
    const auto request = chosen();
    if (!request)
        return;
    const std::optional<QString> passphrase = m_askPassphrase();
    if (!passphrase)
        return;
    if (const std::optional<KeyRefusal> refused = SigningRequests(m_folder).approve(request->first, *passphrase)) {
        m_messages.ask({tr("The request of %1 was not approved: %2").arg(request->second, refused->message),
                        tr("Signing certificate"), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    refresh();
    emit approved(request->first);
    emit told(tr("Signing certificate of %1 approved").arg(request->second));
}

void PendingCertificates::discard()
{
    const auto request = chosen();
    if (!request)
        return;
    if (const std::optional<KeyRefusal> refused = SigningRequests(m_folder).discard(request->first)) {
        m_messages.ask({tr("The request of %1 was not discarded: %2").arg(request->second, refused->message),
                        tr("Signing certificate"), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    refresh();
    emit told(tr("Request of %1 discarded").arg(request->second));
}

} // namespace arc
