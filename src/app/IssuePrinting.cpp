#include "IssuePrinting.h"

#include "BlankRule.h"
#include "CertificateContent.h"
#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "DataView.h"
#include "ArchiveOf.h"
#include "IssuePrompts.h"
#include "IssueRecorder.h"
#include "IssueRecovery.h"
#include "IssuedCertificate.h"
#include "ItemGridModel.h"
#include "PageFromScreen.h"
#include "PageVerification.h"
#include "PrintCommand.h"
#include "PrintPrompts.h"
#include "SignIn.h"
#include "SignerOf.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct IssuePrintingTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::IssuePrinting)
};

} // namespace

IssuePrinting::IssuePrinting(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid,
                             DataFolder &folder, SignIn &signIn, MessageBoxes &messages)
    : m_certificate(certificate), m_screen(screen), m_grid(grid), m_folder(folder), m_signIn(signIn),
      m_messages(messages)
{
}

void IssuePrinting::attach(PrintCommand &print)
{
    print.setIssuing({[this] { return mayIssue(); }, [this] { return prepare(); },
                      [this](const QByteArray &pdf, const QRectF &field, int copies, const QString &userFile,
                             const QStringList &passedFindings) {
                          return record(pdf, field, copies, userFile, passedFindings);
                      },
                      [this] { return previewCode(); }});
}

void IssuePrinting::finishInterrupted()
{
    if (!m_folder.isOpen())
        return;
    // Nothing was touched: the next opening tries again.
    if (const DbStatus s = finishInterruptedIssues(m_folder.certificates(), *archiveOf(m_folder)); !s.ok())
        m_messages.ask(
            {MessageTexts::tr("Whether an earlier issue was left unfinished could not be read from the issue "
                              "log: %1\nThis is checked again the next time this data folder is opened.")
                 .arg(s.detail()),
             MessageTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

bool IssuePrinting::mayIssue()
{
    // A key there that cannot be opened is never passed over as no key.
    if (const QString stop = m_signIn.keyState().stopsIssue(); !stop.isEmpty()) {
        m_messages.ask(IssuePrompts::keyStopsIssue(stop));
        return false;
    }
    IssuedCertificate &issued = m_certificate.issued();
    // Read afresh: the file may have been changed since it was shown.
    if (!issued.refresh(m_certificate.newFormFlag() == 1, m_certificate.currentFormIndex(), true))
        return false;
    if (!issued.changedAfterIssue())
        return true;
    m_messages.ask(IssuePrompts::printRefused(issued.lastIssuedOn()));
    return false;
}

std::optional<CertificateContent> IssuePrinting::storedAsShown()
{
    if (m_certificate.newFormFlag() == 1 || !m_folder.isOpen())
        return std::nullopt;
    std::optional<CertificateContent> stored =
        CertificateContent::read(m_folder.certificates(), m_certificate.currentFormIndex());
    if (!stored || !CertificateContent::afterSave(m_screen.entries(m_grid.lines()), *stored).readsAlike(*stored))
        return std::nullopt;
    return stored;
}

QrMatrix IssuePrinting::previewCode()
{
    const std::optional<CertificateContent> stored = storedAsShown();
    return stored ? PageVerification::of(m_folder.defaults(), *stored).value_or(QrMatrix()) : QrMatrix();
}

std::optional<CertificatePage> IssuePrinting::prepare()
{
    m_reading = storedAsShown();
    if (!m_reading) {
        if (m_messages.ask(IssuePrompts::saveBeforeIssue()) != Message::Answer::Yes)
            return std::nullopt;
        // A save that fails, or an issued certificate whose correction the
        // user declines, leaves the screen unstored and nothing is printed.
        m_certificate.save();
        m_reading = storedAsShown();
    }
    if (!m_reading)
        return std::nullopt;
    // What is printed, kept and logged is what is stored, not the boxes.
    CertificatePage page = pageFromScreen(m_reading->entries(), signerOf(m_signIn));
    QString why;
    const std::optional<QrMatrix> code = PageVerification::of(m_folder.defaults(), *m_reading, &why);
    if (!code) {
        m_messages.ask(PageVerification::notMade(why));
        return std::nullopt;
    }
    page.verification = *code;
    return page;
}

bool IssuePrinting::record(const QByteArray &pdf, const QRectF &signatureField, int copies, const QString &userFile,
                           const QStringList &passedFindings)
{
    if (!m_reading)
        return false;
    IssueRequest request;
    request.formIndex = m_reading->formIndex();
    request.contentSha256 = m_reading->sha256();
    request.copies = copies;
    request.pdf = pdf;
    request.userFile = userFile;
    // A token's PIN is asked now, after the file was chosen, for this page alone.
    const std::unique_ptr<PageSigning> signing = m_signIn.issueSigning();
    const SigningResult<const SigningKey *> key = signing->key();
    if (!key.ok()) {
        if (key.fault() != SigningFault::Cancelled)
            m_messages.ask(IssuePrompts::notSigned(key.error().message));
        return false;
    }
    request.signingKey = key.value();
    request.signatureField = signatureField;
    request.passedFindings = passedFindings;
    const CertificateEntries entries = m_screen.entries(m_grid.lines());
    const QString inBlock = selectsBlock13(lineAt(entries.lines, 0).status.toUpper()) ? entries.block13dName : entries.block14dName;
    request.signatory = m_signIn.signatory() ? m_signIn.signatory()->name : inBlock.trimmed();

    const std::unique_ptr<IssueArchive> archive = archiveOf(m_folder);
    const IssueResult result =
        pdf.isEmpty()
            ? IssueResult{IssueResult::Outcome::ArchiveFailed, {}, IssuePrintingTexts::tr("the page could not be made")}
            : IssueRecorder(m_folder.certificates(), *archive).record(request);
    if (result.outcome == IssueResult::Outcome::ContentChanged) {
        m_messages.ask(IssuePrompts::changedWhileIssuing());
        // Shown as it is stored now, for the user to look at again.
        if (const DbStatus s = m_folder.header().reread(); !s.ok())
            m_messages.ask({MessageTexts::tr("The certificate as stored now could not be read: %1").arg(s.detail()),
                            MessageTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Critical});
        m_certificate.ShowForm();
        return false;
    }
    if (result.outcome == IssueResult::Outcome::SigningFailed) {
        m_messages.ask(IssuePrompts::notSigned(result.detail));
        return false;
    }
    if (result.outcome == IssueResult::Outcome::CopyFailed) {
        m_messages.ask(PrintPrompts::pdfNotWritten(userFile));
        return false;
    }
    if (!result.ok()) {
        m_messages.ask(IssuePrompts::notRecorded(result.detail));
        return false;
    }
    m_certificate.issued().refresh(false, request.formIndex);
    return true;
}

} // namespace arc
