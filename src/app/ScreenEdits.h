#pragma once

#include <QObject>

namespace arc {

class CertificateScreen;
class ItemGridModel;

// Whether the user changed the certificate on screen since it was shown,
// started or saved. Only the user's own edits count: the program fills
// boxes with their signals blocked, and the item lines only where the
// certificate is shown or started, after which the count starts afresh.
class ScreenEdits : public QObject {
    Q_OBJECT
public:
    ScreenEdits(CertificateScreen &screen, ItemGridModel &grid, QObject *parent = nullptr);

    bool changed() const { return m_changed; }
    // The screen as it is now is the certificate as shown or saved.
    void reset() { m_changed = false; }
    void markChanged() { m_changed = true; }

private:
    void mark() { m_changed = true; }

    bool m_changed = false;
};

} // namespace arc
