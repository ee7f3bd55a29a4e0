#include "PrintCommand.h"

#include "RecordingCanvas.h"

#include <QCursor> // BusyPointer.h needs it and does not include it

#include "BusyPointer.h"
#include "CopyCount.h"
#include "DataFolder.h"
#include "PagesPdf.h"
#include "PainterCanvas.h"
#include "PreviewWindow.h"
#include "PrintPanel.h"
#include "PrintPrompts.h"
#include "PrintSettingsReader.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
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
        QString path = QFileDialog::getSaveFileName(m_window, tr("Save the certificate as PDF"),
                                                    QString(), tr("PDF files (*.pdf)"));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
        return path;
    };
    m_runPreview = [this](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
        PreviewWindow preview(printer, *m_window);
        connect(&preview, &PreviewWindow::paintRequested, &preview, [&paint](QPrinter *p) { paint(p); });
        return preview.printAsked();
    };
    m_jobCanvas = [this] { return std::make_unique<PainterCanvas>(m_printer); };
    m_hasPrinter = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::setPrinter(const QPrinterInfo &printer)
{
    m_printer.setPrinterName(printer.printerName());
}

CertificatePage PrintCommand::screenPage()
{
    CertificatePage page = m_page ? m_page() : CertificatePage{};
    // Read afresh for every copy: the set-up may have changed them.
    if (m_folder.isOpen())
        page.settings = PrintSettingsReader::read(m_folder, page.organ1);
    return page;
}

PrintResult PrintCommand::render(PageCanvas &canvas, const CertificatePage &page, bool tellTruncation)
{
    const BusyPointer busy;
    TruncationNotice notice;
    if (tellTruncation)
        notice = [this](const QString &title) { m_messages.ask(PrintPrompts::truncated(title)); };
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

int PrintCommand::copies() const { return CopyCount::copies(m_panel->text45->text()); }

void PrintCommand::ok()
{
    m_panel->hide();
    if (const int n = copies(); n >= 1)
        emit paperAsked(n);
}

void PrintCommand::preview()
{
    m_panel->hide();
    emit previewAsked();
}

void PrintCommand::choosePdf()
{
    m_panel->hide();
    emit pdfAsked();
}

QStringList PrintCommand::cutBlocks(const CertificatePage &page)
{
    RecordingCanvas dry(PaperSize::portraitPrintable(page.paper()));
    return render(dry, page, false).truncatedCells;
}

bool PrintCommand::printCopies(const CertificatePage &page, int copies, bool tellTruncation)
{
    m_printer.setPageSize(PaperSize::pageSize(page.paper()));
    for (int i = 1; i <= copies; ++i) {
        const std::unique_ptr<PageCanvas> canvas = m_jobCanvas();
        render(*canvas, page, tellTruncation);
        if (const auto *painter = dynamic_cast<const PainterCanvas *>(canvas.get()); painter && !painter->ok()) {
            m_messages.ask(PrintPrompts::jobRefused());
            return false;
        }
    }
    return true;
}

bool PrintCommand::printRun(const std::vector<CertificatePage> &pages)
{
    if (PagesPdf::print(m_printer, pages))
        return true;
    m_messages.ask(PrintPrompts::jobRefused());
    return false;
}

bool PrintCommand::showPreview(const CertificatePage &page)
{
    CertificatePage draft = page;
    // Its dialog prints past the issue: so it shows the page unsigned.
    draft.signature = QImage();
    m_printer.setPageSize(PaperSize::pageSize(page.paper()));
    return m_runPreview(m_printer, [this, &draft](QPrinter *printer) {
        PainterCanvas canvas(*printer);
        render(canvas, draft, false);
    });
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
    return pdfBytes(screenPage(), tellTruncation, signatureField);
}

QByteArray PrintCommand::pdfBytes(const CertificatePage &page, bool tellTruncation, QRectF *signatureField)
{
    return PagesPdf::written([&](QPagedPaintDevice &device, std::optional<PrintResult> &drawn) {
        PainterCanvas canvas(device);
        drawn = render(canvas, page, tellTruncation);
        return canvas.ok();
    }, signatureField, page.paper());
}

} // namespace arc
