#include "IssuedCertificate.h"

#include "DataFolder.h"
#include "IssueLog.h"
#include "IssuePrompts.h"

#include <QCoreApplication>
#include <QLabel>

namespace arc {

namespace {

struct IssuedCertificateTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::IssuedCertificate)
};

} // namespace

IssuedCertificate::IssuedCertificate(DataFolder &folder, MessageBoxes &messages, QLabel *mark, QLabel *supersededMark)
    : m_folder(folder), m_messages(messages), m_mark(mark), m_supersededMark(supersededMark)
{
}

bool IssuedCertificate::refresh(bool isNew, qint64 formIndex, bool tell)
{
    m_formIndex = isNew ? 0 : formIndex;
    m_first.reset();
    m_last.reset();
    m_changed = false;
    m_supersededBy.reset();
    DbStatus s;
    if (m_formIndex > 0 && m_folder.isOpen()) {
        const IssueLog log(m_folder.certificates());
        m_first = log.first(m_formIndex, &s);
        if (s.ok() && m_first) {
            m_last = log.last(m_formIndex, &s);
            const std::optional<CertificateContent> now = CertificateContent::read(m_folder.certificates(), m_formIndex);
            // A row gone or altered behind the program's back is a change too.
            m_changed = !now || !m_last || now->sha256() != m_last->contentSha256;
            if (s.ok())
                m_supersededBy = Supersession::of(m_folder.certificates(), m_formIndex, &s);
        }
    }
    showMark();
    if (!s.ok() && tell)
        m_messages.ask(IssuePrompts::logUnreadable(s.detail()));
    return s.ok();
}

QDate IssuedCertificate::issuedOn() const { return m_first ? m_first->localDay() : QDate(); }
QDate IssuedCertificate::lastIssuedOn() const { return m_last ? m_last->localDay() : issuedOn(); }

void IssuedCertificate::showMark()
{
    const QString superseded =
        m_supersededBy ? IssuePrompts::supersededMark(m_supersededBy->tracking, m_supersededBy->issuedOn) : QString();
    if (m_supersededMark) {
        m_supersededMark->setText(superseded);
        m_supersededMark->setVisible(!superseded.isEmpty());
    }
    if (m_supersessionListener)
        m_supersessionListener(superseded);
    if (!m_mark)
        return;
    if (!isIssued()) {
        m_mark->clear();
        m_mark->hide();
        return;
    }
    m_mark->setText(m_changed ? IssuePrompts::changedMark(lastIssuedOn()) : IssuePrompts::issuedMark(issuedOn()));
    m_mark->setStyleSheet(m_changed ? QStringLiteral("color: #c00000; font-weight: bold;")
                                    : QStringLiteral("color: #006000; font-weight: bold;"));
    m_mark->show();
}

bool IssuedCertificate::mayDelete(qint64 formIndex)
{
    if (!refresh(false, formIndex, true))
        return false;
    if (!isIssued())
        return true;
    m_messages.ask(IssuePrompts::deleteRefused(issuedOn()));
    return false;
}

std::optional<Correction::Result> IssuedCertificate::storeChanges(const CertificateEntries &entries)
{
    DbStatus s;
    const std::optional<CertificateContent> issued = CertificateContent::read(m_folder.certificates(), m_formIndex, &s);
    if (!issued) {
        m_messages.ask(IssuePrompts::logUnreadable(
            s.ok() ? IssuedCertificateTexts::tr("the certificate is no longer stored") : s.detail()));
        return std::nullopt;
    }
    // Saving what is stored already stores nothing.
    if (CertificateContent::afterSave(entries, *issued).readsAlike(*issued))
        return std::nullopt;
    if (m_messages.ask(IssuePrompts::storeAsCorrection(issuedOn())) != Message::Answer::Yes)
        return std::nullopt;
    Correction::Result r = Correction::store(m_folder, entries, *issued, issuedOn());
    if (!r.status.ok() && !r.status.is(DbCondition::FieldTooSmall)) {
        m_messages.ask({MessageTexts::tr("The certificate was not saved: %1\nNothing stored has been lost.")
                            .arg(r.status.detail()),
                        MessageTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Critical});
        return std::nullopt;
    }
    return r;
}

} // namespace arc
