#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace arc {

class CertificateScreen;
struct OrganizationEntry;

// The form chooser beside block 2 and what follows from it: the forms the
// chosen organisation may issue, and block 1 as the chosen form has it
// (the defaults' authority for the FAA form, the organisation's competent
// authority for an EASA or UK form).
class FormOnScreen : public QObject {
    Q_OBJECT
public:
    explicit FormOnScreen(CertificateScreen &screen, QObject *parent = nullptr);

    // A new certificate: the first form the chosen organisation may issue.
    // `faaAuthority` is block 1 of an FAA form, from the defaults.
    void startNew(const QString &faaAuthority);
    // A stored certificate: every form offered, the screen shows its own.
    void offerEvery();
    // Another organisation in block 4: its forms offered; on a new
    // certificate, the form kept while offered and block 1 filled again.
    void organisationChosen(bool newCertificate);

private:
    // The user chose a form.
    void chosen();
    void offer(const QStringList &forms, const QString &keep);
    void fillBlock1();
    QStringList allowedForms() const;

    CertificateScreen &m_screen;
    QString m_faaAuthority;
};

} // namespace arc
