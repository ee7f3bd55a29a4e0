#include "BenchActions.h"

#include "ArchiveOf.h"
#include "CertificateOnScreen.h"
#include "DataFolder.h"
#include "FolderMessages.h"
#include "IssueLog.h"
#include "MailCommand.h"
#include "MessageBoxes.h"
#include "NumberOnScreen.h"
#include "NumberPrompts.h"
#include "VoidNumberDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace arc {

namespace {

struct BenchActionsTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::BenchActions)
};

Message notice(const QString &text, const QString &title)
{
    return {text, title, Message::Buttons::Ok, Message::Icon::Information, Message::Answer::Ok};
}

} // namespace

BenchActions::BenchActions(QWidget *window, CertificateOnScreen &certificate, DataFolder &folder,
                           MessageBoxes &messages, std::function<void()> coverWindow)
    : QObject(window), m_window(window), m_certificate(certificate), m_folder(folder),
      m_messages(messages), m_cover(std::move(coverWindow))
{
    chooseVoid = [this](const QString &offered) -> std::optional<VoidChoice> {
        VoidNumberDialog dialog(offered, m_window);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return VoidChoice{dialog.number->text(), dialog.reason->text()};
    };
}

void BenchActions::signOut()
{
    if (!m_certificate.mayLeave() || (panelsMayLeave && !panelsMayLeave()))
        return;
    // Changes discarded stay off the screen the next inspector finds.
    if (m_certificate.changed()) {
        if (m_certificate.newFormFlag() == 1)
            m_certificate.NewFormDefaults();
        else
            m_certificate.ShowForm();
    }
    emit signOutAsked();
    m_cover();
    emit told(tr("Signed out"));
}

void BenchActions::voidNumber()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages) || !FolderMessages::ensureReachable(m_folder, m_messages))
        return;
    const std::optional<VoidChoice> choice = chooseVoid(m_certificate.number().pending());
    if (!choice)
        return;
    const QString number = choice->number.trimmed();
    const DbStatus s = TakenNumbers(m_folder.certificates()).voidByHand(number, m_certificate.number().station(),
                                                                        choice->reason);
    if (!s.ok()) {
        m_messages.ask(NumberPrompts::notVoided(number, s.detail()));
        return;
    }
    emit told(tr("Number %1 voided").arg(number));
}

QString BenchActions::issuedPage(QString &tracking)
{
    const QString title = tr("Send by e-mail");
    DbStatus s;
    const std::optional<IssueRecord> last =
        m_certificate.newFormFlag() == 1
            ? std::nullopt
            : IssueLog(m_folder.certificates()).last(m_certificate.currentFormIndex(), &s);
    if (!s.ok()) {
        m_messages.ask(FolderMessages::storeFailure(BenchActionsTexts::tr("The issue log could not be read"), s));
        return {};
    }
    if (!last) {
        m_messages.ask(notice(tr("Only an issued certificate can be sent. Print it or write its PDF first."), title));
        return {};
    }
    tracking = last->tracking;
    const QByteArray page = archiveOf(m_folder)->page(last->pdfFile);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/mail/");
    QSaveFile file(folder + MailCommand::attachmentName(tracking));
    if (page.isEmpty() || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(page) != page.size()
        || !file.commit()) {
        m_messages.ask(notice(tr("The issued page %1 could not be read or copied for the mail program.")
                                  .arg(last->pdfFile),
                              title));
        return {};
    }
    return file.fileName();
}

void BenchActions::sendByMail()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages))
        return;
    QString tracking;
    const QString pdf = issuedPage(tracking);
    if (pdf.isEmpty())
        return;
    if (!QProcess::startDetached(mailProgram(), MailCommand::arguments(pdf, tracking))) {
        m_messages.ask(notice(tr("The mail program could not be started: %1 was not found. Install xdg-utils.")
                                  .arg(mailProgram()),
                              tr("Send by e-mail")));
        return;
    }
    emit told(tr("Certificate %1 handed to the mail program").arg(tracking.trimmed()));
}

void BenchActions::about()
{
    const QString source = !m_folder.isOpen()                    ? tr("none open")
                           : DataFolder::isServer(m_folder.path()) ? m_folder.certificates().filePath()
                                                                   : QDir::toNativeSeparators(m_folder.path());
    m_messages.ask(notice(tr("ARC 8130 version %1\nData source: %2\nLicence: no licence has been chosen for this "
                             "program yet.")
                              .arg(QStringLiteral(ARC_VERSION), source),
                          tr("About ARC 8130")));
}

} // namespace arc
