#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

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
    // A copy of a certificate (a duplicate): its form and block 1 as they
    // were, whatever the organisation offers today.
    void keep(const QString &form, const QString &block1);
    // Another organisation in block 4: its forms offered; on a new
    // certificate, the form kept while offered and block 1 filled again.
    void organisationChosen(bool newCertificate);

    // The approval box in use as the form has it: 14c the chosen
    // organisation's approval of the form's authority (left as it is when
    // none is chosen); 13c the signatory's number (`signatoryNumber`, none
    // when nobody signed in), or on an EASA or UK form the organisation's
    // approval when he has none.
    void fillApprovals(bool block13, const std::optional<QString> &signatoryNumber);

signals:
    // The user chose another form: what follows from it is filled again.
    void formChosen();

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
