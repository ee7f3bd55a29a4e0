#pragma once

#include "CertificateContent.h"
#include "Correction.h"
#include "IssueRecord.h"

#include "Supersession.h"

#include <functional>
#include <optional>

class QLabel;

namespace arc {

class DataFolder;
class MessageBoxes;

// What the issue log says of the certificate on screen, shown by the
// IssuedMark label, and the issued correction that supersedes it, shown by
// the SupersededMark label; and what follows from it: an issued
// certificate is never stored over nor deleted; its changes become a new
// certificate.
class IssuedCertificate {
public:
    IssuedCertificate(DataFolder &folder, MessageBoxes &messages, QLabel *mark, QLabel *supersededMark = nullptr);

    // Told the supersession of each certificate shown, empty when none.
    void setSupersessionListener(std::function<void(const QString &)> listener)
    {
        m_supersessionListener = std::move(listener);
    }
    const std::optional<SupersededBy> &supersededBy() const { return m_supersededBy; }

    // Read the log afresh for the certificate on screen (none while it is
    // new) and show the mark. False when the log could not be read; the
    // user is told when `tell` is set.
    bool refresh(bool isNew, qint64 formIndex, bool tell = false);

    bool isIssued() const { return m_first.has_value(); }
    // Its stored content is not what its last issue logged.
    bool changedAfterIssue() const { return m_changed; }
    QDate issuedOn() const;
    QDate lastIssuedOn() const;

    // Delete of the certificate shown: refused, with the reason, when issued.
    bool mayDelete(qint64 formIndex);
    // Save of the issued certificate shown, holding `entries`: with the
    // user's consent its changes go into a new certificate; nullopt when
    // nothing was stored (no change, the user declined, or a failure the
    // user was told of).
    std::optional<Correction::Result> storeChanges(const CertificateEntries &entries);

private:
    void showMark();

    DataFolder &m_folder;
    MessageBoxes &m_messages;
    QLabel *m_mark;
    QLabel *m_supersededMark;
    std::function<void(const QString &)> m_supersessionListener;
    std::optional<SupersededBy> m_supersededBy;
    qint64 m_formIndex = 0;
    std::optional<IssueRecord> m_first, m_last;
    bool m_changed = false;
};

} // namespace arc
