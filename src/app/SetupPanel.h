#pragma once

#include "SetupSettings.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace arc {

class EntryText;
class OrganizationsEditor;
class TimeStampBox;

// The set-up panel: the organisations of block 4, the alternate
// organisation text, the print settings, the data source with its
// indicator, the folder chooser and the server box, and the buttons that
// open the reference panels.
class SetupPanel : public QFrame {
    Q_OBJECT
public:
    explicit SetupPanel(QWidget *parent = nullptr);

    // Image 1: the data folder in use is open; image 0: it is being changed
    // or its files were not found.
    void showIndicator(int image);
    int indicator() const;

    // The data source in use: a folder, or a server (its URI shown without
    // the password, and put in the server box).
    void setFolder(const QString &path);
    // The "Databases" group; the data folder chooser stays usable.
    void setDatabasesEnabled(bool enabled);
    QString folder() const;

    // What the panel shows of the main Defaults row.
    void showSettings(const SetupSettings &settings);
    SetupSettings settings() const;

    OrganizationsEditor *organizations; // Data7 with Text8_0 to Text8_5 and Command2
    EntryText *text9;                   // "Alt. Organization"
    QCheckBox *check1;                  // "Shade Box"
    QCheckBox *requireSignature;        // RequireSignature: a digital signature on every PDF
    QCheckBox *verifyOffersPdf;         // VerifyOffersPdf: the verification page links to the signed PDF
    TimeStampBox *timeStamps;           // TsaUrl and TsaTest: the time-stamp service signatures carry
    QLineEdit *verifyBaseUrl;           // VerifyBaseUrl: where an issued page's QR code leads
    QSpinBox *idleLockMinutes;          // IdleLockMinutes: the sign-in panel covers the window after them
    QRadioButton *option3D1, *option3D2; // "Portrait", "Landscape"
    QPushButton *partsButton;     // SSCommand4
    QPushButton *dmirsButton;     // SSCommand9
    QPushButton *countriesButton; // SSCommand15
    QPushButton *housesButton;    // SSCommand16
    QPushButton *statementsButton; // SSCommandStatements
    QPushButton *printersButton;  // Command3D29
    QPushButton *closeButton;     // SetupClose: stores and closes, as the screen's button does
    QLineEdit *replicaText;       // ReplicaUri: the standby this workstation reads from

signals:
    // The user picked a data folder, or asked to connect to the server
    // whose URI the server box holds.
    void folderChosen(const QString &path);
    // The user changed the standby's address (empty: none).
    void replicaChosen(const QString &uri);

private:
    void chooseFolder();
    void connectServer();

    QStackedWidget *m_picture1;
    QLabel *m_dir1;
    QPushButton *m_choose;
    QLineEdit *m_serverText;
    QPushButton *m_connect;
    QWidget *m_databases;
};

} // namespace arc
