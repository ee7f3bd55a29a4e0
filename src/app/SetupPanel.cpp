#include "SetupPanel.h"

#include "NamedWidget.h"
#include "PanelKeys.h"

#include "EntryText.h"
#include "NulRefusal.h"
#include "OrganizationsEditor.h"
#include "ServerUri.h"
#include "SilentEdit.h"
#include "TimeStampBox.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace arc {

namespace {
QLabel *indicatorImage(QStyle *style, QStyle::StandardPixmap pixmap, const QString &tip)
{
    auto *l = new QLabel;
    l->setPixmap(style->standardIcon(pixmap).pixmap(32, 32));
    l->setToolTip(tip);
    return l;
}
} // namespace

SetupPanel::SetupPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3D7"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    m_picture1 = new QStackedWidget;
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->addWidget(indicatorImage(style(), QStyle::SP_MessageBoxWarning, tr("Data folder not open")));
    m_picture1->addWidget(indicatorImage(style(), QStyle::SP_DialogApplyButton, tr("Data folder open")));
    m_picture1->setFixedSize(36, 36);

    m_dir1 = new QLabel;
    m_dir1->setObjectName(QStringLiteral("DataPathText"));
    m_dir1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dir1->setWordWrap(true);
    m_choose = new QPushButton(tr("Double click the folder to select"));
    m_choose->setObjectName(QStringLiteral("Dir1"));
    connect(m_choose, &QPushButton::clicked, this, &SetupPanel::chooseFolder);
    m_serverText = new QLineEdit;
    m_serverText->setObjectName(QStringLiteral("ServerText"));
    refuseNul(m_serverText);
    m_serverText->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/database"));
    m_serverText->setToolTip(tr("A PostgreSQL database shared by several workstations"));
    m_connect = new QPushButton(tr("Connect"));
    m_connect->setObjectName(QStringLiteral("ServerConnect"));
    connect(m_connect, &QPushButton::clicked, this, &SetupPanel::connectServer);
    connect(m_serverText, &QLineEdit::returnPressed, this, &SetupPanel::connectServer);

    auto *pathBox = new QGroupBox(tr("Path to Data"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_picture1);
    row->addWidget(m_dir1, 1);
    auto *col = new QVBoxLayout(pathBox);
    col->addLayout(row);
    auto *choosers = new QHBoxLayout;
    choosers->addWidget(m_choose);
    choosers->addWidget(new QLabel(tr("or server")));
    choosers->addWidget(m_serverText, 1);
    choosers->addWidget(m_connect);
    col->addLayout(choosers);
    replicaText = new QLineEdit;
    replicaText->setObjectName(QStringLiteral("ReplicaUri"));
    refuseNul(replicaText);
    replicaText->setPlaceholderText(QStringLiteral("postgresql://user@standby:5432/database"));
    replicaText->setToolTip(tr("A hot standby of the server: finding, the list of results, the activity report "
                               "and the register read from it while it keeps up. Kept for this workstation."));
    connect(replicaText, &QLineEdit::editingFinished, this, [this] {
        if (replicaText->isModified()) {
            replicaText->setModified(false);
            emit replicaChosen(replicaText->text().trimmed());
        }
    });
    auto *standbyRow = new QHBoxLayout;
    standbyRow->addWidget(new QLabel(tr("Standby for reading")));
    standbyRow->addWidget(replicaText, 1);
    col->addLayout(standbyRow);

    auto *databases = new QGroupBox(tr("Databases"));
    m_databases = databases;
    auto *d = new QHBoxLayout(databases);
    auto add = [&](const char *name, const QString &caption, QStyle::StandardPixmap icon) {
        auto *b = namedWidget<QPushButton>(name, style()->standardIcon(icon), caption);
        d->addWidget(b);
        return b;
    };
    partsButton = add("SSCommand4", tr("Parts"), QStyle::SP_FileDialogDetailedView);
    dmirsButton = add("SSCommand9", tr("DMIRs"), QStyle::SP_DirHomeIcon);
    countriesButton = add("SSCommand15", tr("Countries"), QStyle::SP_DriveNetIcon);
    housesButton = add("SSCommand16", tr("Forward Houses"), QStyle::SP_DirLinkIcon);
    statementsButton = add("SSCommandStatements", tr("Statements"), QStyle::SP_FileDialogContentsView);
    printersButton = add("Command3D29", tr("Printers "), QStyle::SP_ComputerIcon);

    organizations = new OrganizationsEditor;
    auto *organization = new QGroupBox(tr("Organization"));
    auto *o = new QVBoxLayout(organization);
    o->addWidget(organizations);
    text9 = new EntryText("Text9");
    text9->setFixedHeight(52);
    check1 = new QCheckBox(tr("Shade Box"));
    check1->setObjectName(QStringLiteral("Check1"));
    option3D1 = new QRadioButton(tr("Portrait"));
    option3D1->setObjectName(QStringLiteral("Option3D1"));
    option3D1->setChecked(true);
    option3D2 = new QRadioButton(tr("Landscape"));
    option3D2->setObjectName(QStringLiteral("Option3D2"));
    auto *orientation = new QGroupBox(tr("Print Orientation"));
    auto *r = new QHBoxLayout(orientation);
    r->addWidget(option3D1);
    r->addWidget(option3D2);
    requireSignature = new QCheckBox(tr("Digital signature on every PDF"));
    requireSignature->setObjectName(QStringLiteral("RequireSignature"));
    requireSignature->setToolTip(tr("A signatory without a signing certificate cannot issue a certificate; every "
                                    "workstation of this data source follows this."));
    verifyOffersPdf = new QCheckBox(tr("Verification page offers the signed PDF"));
    verifyOffersPdf->setObjectName(QStringLiteral("VerifyOffersPdf"));
    verifyOffersPdf->setToolTip(tr("The page a certificate's QR code opens links to its signed PDF as kept in Issued/."));
    verifyBaseUrl = new QLineEdit;
    verifyBaseUrl->setObjectName(QStringLiteral("VerifyBaseUrl"));
    verifyBaseUrl->setMaxLength(255);
    refuseNul(verifyBaseUrl);
    verifyBaseUrl->setPlaceholderText(tr("https://verify.example.com"));
    verifyBaseUrl->setToolTip(tr("The address of the verification page the QR code on every issued page leads to; "
                                 "empty: the code holds the certificate's number and content hash as text."));
    idleLockMinutes = new QSpinBox;
    idleLockMinutes->setObjectName(QStringLiteral("IdleLockMinutes"));
    idleLockMinutes->setRange(0, 24 * 60);
    idleLockMinutes->setSpecialValueText(tr("Never"));
    idleLockMinutes->setSuffix(tr(" min"));
    idleLockMinutes->setValue(SetupSettings::defaultIdleLockMinutes);
    idleLockMinutes->setToolTip(tr("After so many minutes without input the sign-in panel covers the window and the "
                                   "signing key is closed; the screen stays for the one who signs in again. Every "
                                   "workstation of this data source follows this."));
    auto *settingsRow = new QHBoxLayout;
    auto *alt = new QVBoxLayout;
    alt->addWidget(new QLabel(tr("Alt. Organization")));
    alt->addWidget(text9);
    settingsRow->addLayout(alt, 1);
    auto *print = new QVBoxLayout;
    print->addWidget(check1);
    print->addWidget(orientation);
    print->addWidget(requireSignature);
    print->addWidget(verifyOffersPdf);
    print->addWidget(new QLabel(tr("Verification address")));
    print->addWidget(verifyBaseUrl);
    print->addWidget(new QLabel(tr("Lock when idle after")));
    print->addWidget(idleLockMinutes);
    settingsRow->addLayout(print);

    auto *v = new QVBoxLayout(this);
    v->addWidget(organization);
    v->addLayout(settingsRow);
    timeStamps = new TimeStampBox;
    v->addWidget(timeStamps);
    v->addWidget(pathBox);
    v->addWidget(databases);
    v->addStretch();
    closeButton = new QPushButton(tr("&Close"));
    closeButton->setObjectName(QStringLiteral("SetupClose"));
    closeButton->setToolTip(tr("Store the set-up and close (Escape)"));
    v->addWidget(closeButton, 0, Qt::AlignRight);
    PanelKeys::attach(this, closeButton);
}

void SetupPanel::showSettings(const SetupSettings &s)
{
    SilentEdit::setText(text9, s.organ2);
    check1->setChecked(s.shade);
    (s.landscape ? option3D2 : option3D1)->setChecked(true);
    requireSignature->setChecked(s.requireSignature);
    verifyOffersPdf->setChecked(s.verifyOffersPdf);
    timeStamps->setUrl(s.tsaUrl);
    verifyBaseUrl->setText(s.verifyBaseUrl);
    idleLockMinutes->setValue(s.idleLockMinutes);
}

SetupSettings SetupPanel::settings() const
{
    SetupSettings s;
    s.organ2 = text9->toPlainText();
    s.shade = check1->isChecked();
    s.landscape = option3D2->isChecked();
    s.requireSignature = requireSignature->isChecked();
    s.verifyOffersPdf = verifyOffersPdf->isChecked();
    s.tsaUrl = timeStamps->url();
    s.verifyBaseUrl = verifyBaseUrl->text().trimmed();
    s.idleLockMinutes = idleLockMinutes->value();
    return s;
}

void SetupPanel::showIndicator(int image) { m_picture1->setCurrentIndex(image); }
int SetupPanel::indicator() const { return m_picture1->currentIndex(); }

void SetupPanel::setFolder(const QString &path)
{
    if (!ServerUri::isUri(path)) {
        m_dir1->setText(path);
        return;
    }
    m_dir1->setText(ServerUri::withoutPassword(path));
    m_serverText->setText(path);
}
void SetupPanel::setDatabasesEnabled(bool enabled) { m_databases->setEnabled(enabled); }
QString SetupPanel::folder() const { return m_dir1->text(); }

void SetupPanel::connectServer()
{
    const QString uri = m_serverText->text().trimmed();
    if (!uri.isEmpty())
        emit folderChosen(uri);
}

void SetupPanel::chooseFolder()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Double click the folder to select"), folder());
    if (chosen.isEmpty())
        return;
    setFolder(chosen);
    emit folderChosen(chosen);
}

} // namespace arc
