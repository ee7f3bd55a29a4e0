#pragma once

#include "CertificateStore.h"
#include "ItemLine.h"
#include "ReleaseBoxes.h"
#include "RemarksInputs.h"
#include "SignedInAs.h"

#include <QObject>
#include <memory>
#include <optional>

namespace arc {

class CertificateScreen;
class DataFolder;
class FormOnScreen;
class IssuedCertificate;
class ItemGridModel;
class MessageBoxes;
class NumberOnScreen;
class RemarksOnScreen;
class ScreenEdits;
struct DbStatus;

// The certificate on screen: whether it is new or which stored one it is,
// and the procedures that show, start, check, step through, save and
// delete it. The buttons of the certificate screen that act on it are
// wired here.
class CertificateOnScreen : public QObject {
    Q_OBJECT
public:
    CertificateOnScreen(CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder, MessageBoxes &messages,
                        QObject *parent = nullptr);
    ~CertificateOnScreen() override;

    // Who is signed in, as sign-in tells it: his name and approval number
    // go into the release blocks of a new certificate.
    void setSignedIn(const SignedInAs &who) { m_who = who; }

    // A new certificate after the data folder was opened.
    void start();
    // The program ends: the number of a new certificate never stored is void.
    void end();
    // The number the new certificate on screen took and that is not stored yet.
    NumberOnScreen &number() const { return *m_number; }

    void ShowForm();
    void NewFormDefaults();
    void checkstat();
    void SetCountryList();
    void buildtext13();

    // Handlers of the user's actions.
    void next();
    void previous();
    // False when the certificate on screen stays (no data source, or the
    // user kept it).
    bool newForm();
    // Whether the certificate was stored.
    bool save();
    void deleteForm();
    void chooseOrganization(int index);
    // "Yes" or "No" in the export frame.
    void chooseExport(bool yes);
    // The user ticked or unticked one of the 13a/14a boxes.
    void releaseBoxClicked(ReleaseBoxes::Box box);

    // Before the certificate is left: one the user changed asks whether to
    // save the changes. False when it is to stay (Cancel, or a failed save).
    bool mayLeave();
    // Whether the user changed the certificate since it was shown, started or saved.
    bool changed() const;
    // A new certificate copying another keeps its form and block 1.
    void keepForm(const QString &form, const QString &block1);
    // The program changed it as the user would have (a duplicate): leaving
    // it asks to save it.
    void markChanged();

    int newFormFlag() const { return m_newFormFlag; }
    qint64 currentFormIndex() const { return m_currentFormIndex; }
    // What the issue log says of the certificate on screen.
    IssuedCertificate &issued() const { return *m_issued; }

signals:
    // A stored certificate is on screen: shown, or just saved.
    void certificateShown(qint64 formIndex);
    // What was done, for the status line.
    void told(const QString &what);

private:
    QString tracking() const;
    void fillFromDefaults();
    void showStoredCertificate();
    void setBlockEnabled(bool block13);
    void showExportChoice(const CertificateHeader &c, bool block13);
    void step(bool forward);
    QString currentStatus() const;
    void reportStoreFailure(const QString &what, const DbStatus &status);
    // Save of an issued certificate: never over it, its changes become a new one.
    bool saveIssued(const CertificateEntries &entries);
    // 13c or 14c, whichever is in use, as the form and organisation have it.
    void fillApprovals();

    CertificateScreen *m_screen;
    ItemGridModel *m_grid;
    DataFolder &m_folder;
    SignedInAs m_who;
    MessageBoxes &m_messages;
    std::unique_ptr<CertificateStore> m_store;
    std::unique_ptr<IssuedCertificate> m_issued;
    std::unique_ptr<NumberOnScreen> m_number;
    std::unique_ptr<RemarksOnScreen> m_remarks;
    ScreenEdits *m_edits;
    FormOnScreen *m_form;
    int m_newFormFlag = 1;
    qint64 m_currentFormIndex = 0;
};

} // namespace arc
