#include "IssueCommand.h"

#include "ArchiveOf.h"
#include "CertificateContent.h"
#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "CheckBeforePrint.h"
#include "CopyCount.h"
#include "DataFolder.h"
#include "IssuePrompts.h"
#include "IssueRecorder.h"
#include "IssueRecovery.h"
#include "IssueRuns.h"
#include "IssuedCertificate.h"
#include "ItemGridModel.h"
#include "PagesPdf.h"
#include "PageFromScreen.h"
#include "PageVerification.h"
#include "PrintCommand.h"
#include "PrintPrompts.h"
#include "PrintSettingsReader.h"
#include "ProgressWindow.h"
#include "RunFolder.h"
#include "SignIn.h"
#include "SignerOf.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <algorithm>

namespace arc {

struct IssueCommand::Sheet {
    CertificateContent stored;
    bool issue = true; // else only drawn: issued before
};

struct IssueCommand::Drawn {
    CertificatePage page;
    std::optional<IssueRequest> request;
    // A draft's own file in a run's folder.
    QString ownName;
    QByteArray ownFile;
};

namespace {

struct IssueTexts {
    Q_DECLARE_TR_FUNCTIONS(BatchIssue)
};

QString runTitle() { return IssueTexts::tr("Issue for serial numbers"); }

} // namespace

IssueCommand::IssueCommand(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid,
                           DataFolder &folder, SignIn &signIn, MessageBoxes &messages, PrintCommand &print,
                           QWidget *window)
    : QObject(window), m_certificate(certificate), m_screen(screen), m_grid(grid), m_folder(folder), m_signIn(signIn),
      m_messages(messages), m_print(print), m_window(window)
{
    connect(&print, &PrintCommand::paperAsked, this, &IssueCommand::toPaper);
    connect(&print, &PrintCommand::pdfAsked, this, &IssueCommand::toPdf);
    connect(&print, &PrintCommand::previewAsked, this, &IssueCommand::preview);
}

void IssueCommand::finishInterrupted()
{
    if (!m_folder.isOpen())
        return;
    // Nothing was touched: the next opening tries again.
    if (const DbStatus s = finishInterruptedIssues(m_folder.certificates(), *archiveOf(m_folder)); !s.ok())
        m_messages.ask({IssueTexts::tr("Whether an earlier issue was left unfinished could not be read from the issue "
                                       "log: %1\nThis is checked again the next time this data folder is opened.")
                            .arg(s.detail()),
                        IssueTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

void IssueCommand::toPaper(int copies)
{
    const CertificatePage shown = m_print.screenPage();
    const bool issuing = shown.carriesSignature();
    if (!check(shown, issuing, false))
        return;
    if (copies > CopyCount::kConfirmAbove && m_messages.ask(PrintPrompts::manyCopies(copies)) != Message::Answer::Yes)
        return;
    Handout to;
    to.copies = copies;
    if (!m_print.hasPrinter()) {
        // Printing into nothing would lose the copies without a word.
        if (m_messages.ask(PrintPrompts::noPrinter()) != Message::Answer::Yes)
            return;
        to = Handout();
        to.to = Handout::To::File;
    }
    handOutShown(shown, issuing, to);
}

void IssueCommand::toPdf()
{
    const CertificatePage shown = m_print.screenPage();
    const bool issuing = shown.carriesSignature();
    Handout file;
    file.to = Handout::To::File;
    if (check(shown, issuing, false))
        handOutShown(shown, issuing, file);
}

void IssueCommand::handOutShown(const CertificatePage &shown, bool issuing, Handout to)
{
    if (!issuing) {
        handOutDraft(shown, to);
        return;
    }
    const std::optional<CertificateContent> stored = saveAndReadBack();
    if (!stored)
        return;
    if (to.to == Handout::To::File) {
        // Chosen once stored, before the page is drawn.
        to.path = m_print.chooseFile();
        if (to.path.isEmpty())
            return;
    }
    issue({{*stored}}, to);
}

void IssueCommand::preview()
{
    CertificatePage page = m_print.screenPage();
    // The code the page would be issued with.
    if (page.carriesSignature()) {
        if (const std::optional<CertificateContent> stored = storedAsShown())
            page.verification = PageVerification::of(m_folder.defaults(), *stored).value_or(QrMatrix());
    }
    if (m_print.showPreview(page)) {
        if (const int copies = m_print.copies(); copies >= 1)
            toPaper(copies);
    }
}

bool IssueCommand::checkRun()
{
    // The copies differ from the screen only in their numbers: what the
    // screen's page would cut, each copy cuts.
    const CertificatePage shown = m_print.screenPage();
    return check(shown, shown.carriesSignature(), true);
}

bool IssueCommand::keyStopsIssue()
{
    // A key there that cannot be opened is never passed over as no key.
    const QString stop = m_signIn.keyState().stopsIssue();
    if (!stop.isEmpty())
        m_messages.ask(IssuePrompts::keyStopsIssue(stop));
    return !stop.isEmpty();
}

bool IssueCommand::check(const CertificatePage &page, bool issuing, bool run)
{
    m_passed.clear();
    m_tellCuts = true;
    if ((issuing || run) && keyStopsIssue())
        return false;
    if (issuing && !run) {
        IssuedCertificate &issued = m_certificate.issued();
        // Read afresh: the certificate may have been changed since it was shown.
        if (!issued.refresh(m_certificate.newFormFlag() == 1, m_certificate.currentFormIndex(), true))
            return false;
        if (issued.changedAfterIssue()) {
            m_messages.ask(IssuePrompts::printRefused(issued.lastIssuedOn()));
            return false;
        }
    }
    const std::optional<QStringList> passed = CheckBeforePrint::passed(
        m_messages, CheckBeforePrint::gathered(m_check ? m_check() : QList<Finding>(), m_print.cutBlocks(page)), issuing);
    if (!passed)
        return false;
    m_passed = *passed;
    // The user chose to print text the page cannot hold: not asked again.
    m_tellCuts = m_passed.isEmpty();
    return true;
}

std::optional<CertificateContent> IssueCommand::storedAsShown()
{
    if (m_certificate.newFormFlag() == 1 || !m_folder.isOpen())
        return std::nullopt;
    std::optional<CertificateContent> stored =
        CertificateContent::read(m_folder.certificates(), m_certificate.currentFormIndex());
    if (!stored || !CertificateContent::afterSave(m_screen.entries(m_grid.lines()), *stored).readsAlike(*stored))
        return std::nullopt;
    return stored;
}

std::optional<CertificateContent> IssueCommand::saveAndReadBack()
{
    std::optional<CertificateContent> stored = storedAsShown();
    if (stored)
        return stored;
    if (m_messages.ask(IssuePrompts::saveBeforeIssue()) != Message::Answer::Yes)
        return std::nullopt;
    // A save that fails, or an issued certificate whose correction the
    // user declines, leaves the screen unstored and nothing is issued.
    if (!m_certificate.save())
        return std::nullopt;
    stored = storedAsShown();
    if (!stored)
        m_messages.ask(IssuePrompts::notAsStored());
    return stored;
}

void IssueCommand::handOutDraft(const CertificatePage &page, const Handout &to)
{
    if (to.to == Handout::To::Paper) {
        if (m_print.printCopies(page, to.copies, m_tellCuts))
            tellHandedOut(to, 1);
        return;
    }
    Handout file = to;
    file.path = m_print.chooseFile();
    if (!file.path.isEmpty() && m_print.writeFile(file.path, m_print.pdfBytes(page, m_tellCuts)))
        tellHandedOut(file, 1);
}

bool IssueCommand::issueRun(const std::vector<qint64> &keys, const QString &folder, const IssueRun *resumed)
{
    const Handout to{.to = folder.isEmpty() ? Handout::To::Paper : Handout::To::Folder,
                     .path = folder,
                     .run = true,
                     .resumed = resumed};
    // 3. Read back: the run's certificates as stored, those issued before
    // only drawn again.
    std::vector<qint64> rest = keys;
    if (resumed) {
        DbStatus s;
        rest = IssueRuns(m_folder.certificates()).unissued(*resumed, &s);
        if (!s.ok()) {
            m_messages.ask(IssuePrompts::notRecorded(s.detail()));
            return false;
        }
    }
    std::vector<Sheet> sheets;
    for (qint64 key : keys) {
        DbStatus s;
        std::optional<CertificateContent> stored = CertificateContent::read(m_folder.certificates(), key, &s);
        if (!stored) {
            m_messages.ask({IssueTexts::tr("A certificate of the run could not be read: %1").arg(s.detail()), runTitle(),
                            Message::Buttons::Ok, Message::Icon::Exclamation, Message::Answer::Ok});
            return false;
        }
        sheets.push_back({std::move(*stored), std::find(rest.begin(), rest.end(), key) != rest.end()});
    }
    return issue(sheets, to);
}

std::optional<IssueCommand::Drawn> IssueCommand::draw(const Sheet &sheet, const Handout &to)
{
    Drawn d;
    d.page = pageFromScreen(sheet.stored.entries(), signerOf(m_signIn));
    d.page.settings = PrintSettingsReader::read(m_folder, d.page.organ1);
    const qint64 key = sheet.stored.formIndex();
    const QString ownFile =
        to.to == Handout::To::Folder ? RunFolder::certificateFile(to.path, d.page.tracking, key) : QString();
    if (!sheet.issue || !d.page.carriesSignature()) {
        // A draft of a run has its own file; a page issued before is in the archive.
        if (!ownFile.isEmpty() && !d.page.carriesSignature()) {
            d.ownName = ownFile;
            d.ownFile = m_print.pdfBytes(d.page, false);
        }
        return d;
    }
    QString why;
    const std::optional<QrMatrix> code = PageVerification::of(m_folder.defaults(), sheet.stored, &why);
    if (!code) {
        m_messages.ask(PageVerification::notMade(why));
        return std::nullopt;
    }
    d.page.verification = *code;
    IssueRequest &r = d.request.emplace();
    r.formIndex = key;
    // What is drawn, kept and logged is what was read back, not the boxes.
    r.contentSha256 = sheet.stored.sha256();
    r.copies = to.to == Handout::To::Paper ? to.copies : 1;
    r.passedFindings = m_passed;
    // The user's copy, byte for byte the one kept, put in place once logged.
    r.userFile = to.to == Handout::To::File ? to.path : ownFile;
    // A cut block is told once: drawing the user's file, or printing each copy.
    r.pdf = m_print.pdfBytes(d.page, m_tellCuts && to.to == Handout::To::File, &r.signatureField);
    if (r.pdf.isEmpty()) {
        m_messages.ask(IssuePrompts::notRecorded(IssueTexts::tr("the page could not be made")));
        return std::nullopt;
    }
    r.signatory = d.page.signer;
    return d;
}

bool IssueCommand::issue(const std::vector<Sheet> &sheets, const Handout &to)
{
    // 4. Every page drawn, a run's whole file included, before any is
    // issued: a stop there leaves nothing behind.
    std::vector<Drawn> drawn;
    std::vector<CertificatePage> pages;
    QByteArray overviewBytes;
    {
        std::optional<ProgressWindow> making;
        if (to.run)
            making.emplace(m_window, runTitle(), ProgressWindow::Stop::Allowed);
        const Progress progress = making ? making->progress() : Progress();
        const auto made = [&] {
            return progress(IssueTexts::tr("Making pages"), qint64(drawn.size()), qint64(sheets.size()));
        };
        bool stopped = false;
        for (const Sheet &sheet : sheets) {
            if ((stopped = !made()))
                break;
            std::optional<Drawn> d = draw(sheet, to);
            if (!d)
                return false;
            pages.push_back(d->page);
            drawn.push_back(std::move(*d));
        }
        stopped = stopped || !made();
        if (!stopped && to.to == Handout::To::Folder) {
            (void)progress(IssueTexts::tr("Writing PDF"), 0, 0);
            overviewBytes = PagesPdf::bytes(pages);
            stopped = making && making->cancelled();
        }
        if (stopped) {
            m_messages.ask({IssueTexts::tr("Stopped: no page was issued, nothing was written or printed."), runTitle(),
                            Message::Buttons::Ok, Message::Icon::Information, Message::Answer::Ok});
            return false;
        }
    }
    // Besides the certificates' own files, every page in one file: it
    // carries no digital signature, and says so in its name.
    const QString overview = to.to != Handout::To::Folder || pages.empty()
                                 ? QString()
                                 : RunFolder::overviewFile(to.path, pages.front().tracking, pages.back().tracking);
    QSaveFile overviewFile(overview);
    if (to.to == Handout::To::Folder && (overviewBytes.isEmpty() || !overviewFile.open(QIODevice::WriteOnly))) {
        m_messages.ask(PrintPrompts::pdfNotWritten(overview.isEmpty() ? to.path : overview));
        return false;
    }

    // 5. Signed with the signatory's key; a token's PIN is asked now, once.
    std::vector<IssueRequest *> requests;
    for (Drawn &d : drawn)
        if (d.request)
            requests.push_back(&*d.request);
    const std::unique_ptr<PageSigning> signing = m_signIn.issueSigning();
    if (!requests.empty()) {
        const SigningResult<const SigningKey *> key = signing->key();
        if (!key.ok()) {
            if (key.fault() != SigningFault::Cancelled)
                m_messages.ask(IssuePrompts::notSigned(key.error().message));
            return false;
        }
        for (IssueRequest *r : requests)
            r->signingKey = key.value();
    }

    // 6 and 7. Each page signed, kept and logged before it goes out: a
    // signed page the log does not know of never leaves. A run is logged
    // as one from before its first page until its pages are handed out: a
    // run cut off on the way is named at the next opening.
    std::optional<ProgressWindow> issuing;
    if (to.run)
        issuing.emplace(m_window, runTitle(), ProgressWindow::Stop::NotAllowed);
    const Progress progress = issuing ? issuing->progress() : Progress();
    IssueRuns runs(m_folder.certificates());
    std::optional<IssueRuns::Begun> run;
    if (to.run && (to.resumed || !requests.empty())) {
        std::vector<qint64> keys;
        for (const IssueRequest *r : requests)
            keys.push_back(r->formIndex);
        run.emplace(to.resumed ? runs.resume(*to.resumed) : runs.begin(keys, signerOf(m_signIn).name));
        if (!run->status.ok()) {
            m_messages.ask(IssuePrompts::notRecorded(run->status.detail()));
            return false;
        }
    }
    const std::unique_ptr<IssueArchive> archive = archiveOf(m_folder);
    for (std::size_t i = 0; i < requests.size(); ++i) {
        (void)progress(IssueTexts::tr("Issuing pages"), qint64(i), qint64(requests.size()));
        const IssueResult result = IssueRecorder(m_folder.certificates(), *archive).record(*requests[i]);
        if (!result.ok()) {
            tellNotIssued(result, *requests[i], to.run);
            return false;
        }
    }
    if (!to.run && !requests.empty()) {
        m_certificate.issued().refresh(false, requests.front()->formIndex);
        emit told(IssuePrompts::issuedTold(pages.front().tracking.trimmed(), m_signIn.keyState().unsignedWhy()));
    }

    // 8. The copies handed out.
    if (to.to == Handout::To::Paper) {
        (void)progress(IssueTexts::tr("Printing"), 0, 0);
        if (to.run ? !m_print.printRun(pages) : !m_print.printCopies(pages.front(), to.copies, m_tellCuts))
            return false;
    } else if (to.to == Handout::To::Folder) {
        for (const Drawn &d : drawn) {
            if (d.ownName.isEmpty())
                continue;
            QSaveFile own(d.ownName);
            if (d.ownFile.isEmpty() || !own.open(QIODevice::WriteOnly) || own.write(d.ownFile) != d.ownFile.size()
                || !own.commit()) {
                m_messages.ask(PrintPrompts::pdfNotWritten(d.ownName));
                return false;
            }
        }
        if (overviewFile.write(overviewBytes) != overviewBytes.size() || !overviewFile.commit()) {
            m_messages.ask(PrintPrompts::pdfNotWritten(overview));
            return false;
        }
    }
    if (run)
        (void)runs.end(run->run, IssueRuns::Ending::Issued);
    tellHandedOut(to, pages.size());
    return true;
}

void IssueCommand::tellHandedOut(const Handout &to, std::size_t certificates)
{
    const QString printer = m_print.printer().printerName();
    const QString where = printer.isEmpty() ? IssueTexts::tr("the default printer") : printer;
    if (!to.run && to.to == Handout::To::Paper) {
        emit told(IssueTexts::tr("%1 sent to %2")
                      .arg(to.copies == 1 ? IssueTexts::tr("1 copy") : IssueTexts::tr("%1 copies").arg(to.copies),
                           printer.isEmpty() ? IssueTexts::tr("the default printer") : printer));
    } else if (to.to == Handout::To::File) {
        emit told(IssueTexts::tr("PDF written to %1").arg(QDir::toNativeSeparators(to.path)));
    } else if (to.to == Handout::To::Paper) {
        const QString n = certificates == 1 ? IssueTexts::tr("1 certificate")
                                            : IssueTexts::tr("%1 certificates").arg(qint64(certificates));
        emit told(IssueTexts::tr("%1 sent to %2").arg(n, where));
    } else {
        // One PDF per certificate, the overview beside them.
        emit told(certificates == 1 ? IssueTexts::tr("1 PDF written to %1").arg(QDir::toNativeSeparators(to.path))
                                    : IssueTexts::tr("%1 PDFs written to %2")
                                          .arg(qint64(certificates))
                                          .arg(QDir::toNativeSeparators(to.path)));
    }
}

void IssueCommand::tellNotIssued(const IssueResult &result, const IssueRequest &request, bool run)
{
    using Outcome = IssueResult::Outcome;
    if (result.outcome == Outcome::ContentChanged && !run) {
        m_messages.ask(IssuePrompts::changedWhileIssuing());
        // Shown as it is stored now, for the user to look at again.
        if (const DbStatus s = m_folder.header().reread(); !s.ok())
            m_messages.ask({IssueTexts::tr("The certificate as stored now could not be read: %1").arg(s.detail()),
                            IssueTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Critical});
        m_certificate.ShowForm();
    } else if (result.outcome == Outcome::SigningFailed) {
        m_messages.ask(IssuePrompts::notSigned(result.detail));
    } else if (result.outcome == Outcome::CopyFailed) {
        m_messages.ask(PrintPrompts::pdfNotWritten(request.userFile));
    } else {
        m_messages.ask(IssuePrompts::notRecorded(result.detail));
    }
}

} // namespace arc
