#include "PrintCommand.h"

#include "RecordingCanvas.h"

#include <QCursor> // BusyPointer.h needs it and does not include it

#include "BusyPointer.h"
#include "CheckBeforePrint.h"
#include "CopyCount.h"
#include "DataFolder.h"
#include "PagesPdf.h"
#include "PainterCanvas.h"
#include "PreviewWindow.h"
#include "PrintPanel.h"
#include "PrintPrompts.h"
#include "PrintSettingsReader.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>

namespace arc {

PrintCommand::PrintCommand(MessageBoxes &messages, DataFolder &folder, PageSource page, QWidget *window)
    : QObject(window), m_messages(messages), m_folder(folder), m_page(std::move(page)), m_window(window),
      m_panel(new PrintPanel(window)), m_printer(QPrinter::HighResolution)
{
    connect(m_panel->okButton, &QPushButton::clicked, this, &PrintCommand::ok);
    connect(m_panel->text45, &QLineEdit::returnPressed, this, &PrintCommand::ok);
    connect(m_panel->cancelButton, &QPushButton::clicked, this, &PrintCommand::cancel);
    connect(m_panel->previewButton, &QPushButton::clicked, this, &PrintCommand::preview);
    connect(m_panel->pdfButton, &QPushButton::clicked, this, &PrintCommand::choosePdf);

    m_chooseFile = [this] {
        QString path = QFileDialog::getSaveFileName(m_window, tr("Save the certificate as PDF"), QString(),
                                                    tr("PDF files (*.pdf)"));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
        return path;
    };
    m_runPreview = [this](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
        QPrintPreviewDialog dialog(&printer, m_window);
        showWholePage(dialog, *m_window);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *p) { paint(p); });
        dialog.exec();
    };
    m_jobCanvas = [this] { return std::make_unique<PainterCanvas>(m_printer); };
    m_hasPrinter = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::setPrinter(const QPrinterInfo &printer)
{
    m_printer.setPrinterName(printer.printerName());
}

CertificatePage PrintCommand::currentPage()
{
    CertificatePage page = m_issuePage ? *m_issuePage : m_page ? m_page() : CertificatePage{};
    // Read afresh for every copy: the set-up may have changed them.
    if (m_folder.isOpen())
        page.settings = PrintSettingsReader::read(m_folder.defaults());
    return page;
}

PrintResult PrintCommand::render(PageCanvas &canvas, bool tellTruncation, bool draft)
{
    const BusyPointer busy;
    TruncationNotice notice;
    if (tellTruncation && !m_cutAccepted)
        notice = [this](const QString &title) { m_messages.ask(PrintPrompts::truncated(title)); };
    CertificatePage page = currentPage();
    if (draft) {
        // The preview shows the code the page would be issued with.
        if (page.verification.isEmpty() && m_issuing.previewCode && page.carriesSignature())
            page.verification = m_issuing.previewCode();
        page.signature = QImage();
    }
    return PrintCertificate(canvas, page, notice);
}

void PrintCommand::open()
{
    const std::optional<QString> stored =
        m_folder.isOpen() ? PrintSettingsReader::copiesDefault(m_folder.defaults()) : std::nullopt;
    m_panel->text45->setText(CopyCount::initialText(stored));
    m_panel->showOver();
}

void PrintCommand::cancel() { m_panel->hide(); }

void PrintCommand::ok()
{
    m_panel->hide();
    const IssueScope scope(*this);
    const int copies = CopyCount::copies(m_panel->text45->text());
    if (copies < 1)
        return;
    bool issuing = false;
    if (!readyToIssue(issuing))
        return;
    if (!passesCheck(issuing))
        return;
    if (copies > CopyCount::kConfirmAbove && m_messages.ask(PrintPrompts::manyCopies(copies)) != Message::Answer::Yes)
        return;
    if (!m_hasPrinter()) {
        // Printing into nothing would lose the copies without a word.
        if (m_messages.ask(PrintPrompts::noPrinter()) == Message::Answer::Yes)
            askForPdf(issuing);
        return;
    }
    // Kept and logged before any paper comes out: a signed page the log
    // does not know of never leaves.
    if (issuing) {
        QRectF field;
        const QByteArray pdf = pdfBytes(false, &field);
        if (!m_issuing.record(pdf, field, copies, QString(), m_passed))
            return;
        emit issued();
    }
    if (printCopies(copies)) {
        const QString printer = m_printer.printerName();
        emit told(tr("%1 sent to %2")
                      .arg(copies == 1 ? tr("1 copy") : tr("%1 copies").arg(copies),
                           printer.isEmpty() ? tr("the default printer") : printer));
    }
}

bool PrintCommand::readyToIssue(bool &issuing)
{
    m_issuePage.reset();
    // An unsigned page is a draft, printed as the screen shows it.
    issuing = m_issuing.record && currentPage().carriesSignature();
    if (!issuing)
        return true;
    if (m_issuing.mayIssue && !m_issuing.mayIssue())
        return false;
    if (!m_issuing.prepare)
        return true;
    m_issuePage = m_issuing.prepare();
    return m_issuePage.has_value();
}

bool PrintCommand::passesCheck(bool issuing)
{
    m_cutAccepted = false;
    m_passed.clear();
    // What the page would cut, found by drawing it where nobody sees it.
    RecordingCanvas dry(PaperSize::portraitPrintable(PaperSize::forForm(currentPage().form)));
    const QList<Finding> findings =
        CheckBeforePrint::gathered(m_check ? m_check() : QList<Finding>(), render(dry, false).truncatedCells);
    const std::optional<QStringList> passed = CheckBeforePrint::passed(m_messages, findings, issuing);
    if (!passed)
        return false;
    m_passed = *passed;
    m_cutAccepted = !m_passed.isEmpty();
    return true;
}

bool PrintCommand::printCopies(int copies)
{
    m_printer.setPageSize(PaperSize::pageSize(PaperSize::forForm(currentPage().form)));
    for (int i = 1; i <= copies; ++i) {
        const std::unique_ptr<PageCanvas> canvas = m_jobCanvas();
        render(*canvas, true);
        if (const auto *painter = dynamic_cast<const PainterCanvas *>(canvas.get()); painter && !painter->ok()) {
            m_messages.ask(PrintPrompts::jobRefused());
            return false;
        }
    }
    return true;
}

void PrintCommand::preview()
{
    m_panel->hide();
    // Its dialog prints too, past issuing: so it shows the page unsigned.
    m_printer.setPageSize(PaperSize::pageSize(PaperSize::forForm(currentPage().form)));
    m_runPreview(m_printer, [this](QPrinter *printer) {
        PainterCanvas canvas(*printer);
        render(canvas, false, true);
    });
}

void PrintCommand::choosePdf()
{
    m_panel->hide();
    const IssueScope scope(*this);
    bool issuing = false;
    if (!readyToIssue(issuing))
        return;
    if (!passesCheck(issuing))
        return;
    askForPdf(issuing);
}

void PrintCommand::askForPdf(bool issuing)
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return;
    // The file the user gets is byte for byte the one kept, so that it
    // can be checked against the log.
    QRectF field;
    const QByteArray bytes = pdfBytes(true, &field);
    if (!issuing) {
        if (writeFile(path, bytes))
            tellPdf(path);
    } else if (bytes.isEmpty()) {
        m_messages.ask(PrintPrompts::pdfNotWritten(path));
    } else if (m_issuing.record(bytes, field, 1, path, m_passed)) {
        emit issued();
        tellPdf(path);
    }
}

void PrintCommand::tellPdf(const QString &path)
{
    emit told(tr("PDF written to %1").arg(QDir::toNativeSeparators(path)));
}

bool PrintCommand::writePdf(const QString &path) { return writeFile(path, pdfBytes(true)); }

bool PrintCommand::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    const bool written =
        !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    file.close();
    if (!written || !QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        m_messages.ask(PrintPrompts::pdfNotWritten(path));
        return false;
    }
    return true;
}

QByteArray PrintCommand::pdfBytes(bool tellTruncation, QRectF *signatureField)
{
    return PagesPdf::written([&](QPagedPaintDevice &device, std::optional<PrintResult> &drawn) {
        PainterCanvas canvas(device);
        drawn = render(canvas, tellTruncation);
        return canvas.ok();
    }, signatureField, PaperSize::forForm(currentPage().form));
}

} // namespace arc
