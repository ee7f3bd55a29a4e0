#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace arc {

class CertificateScreen;

// While any of the panels that edit set-up or reference data is shown,
// the certificate's boxes are read-only and its lists, ticks and grid
// cannot be used; once the last one closes, each is as it was.
class ScreenLock : public QObject {
    Q_OBJECT
public:
    ScreenLock(CertificateScreen &screen, const QList<QWidget *> &panels, QObject *parent = nullptr);

    bool locked() const { return m_locked; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void lock();
    void unlock();

    CertificateScreen &m_screen;
    QList<QPointer<QWidget>> m_panels;
    bool m_locked = false;
    // What each box was before the lock: read-only, or enabled.
    QHash<QWidget *, bool> m_before;
};

} // namespace arc
