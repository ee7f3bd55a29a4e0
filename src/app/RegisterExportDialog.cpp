#include "RegisterExportDialog.h"

#include "DataFolder.h"
#include "DateText.h"
#include "FolderMessages.h"
#include "GivenText.h"
#include "MessageBoxes.h"
#include "ProgressWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace arc {

namespace {

QString exportTitle() { return RegisterExportDialog::tr("Export register"); }

} // namespace

RegisterExportDialog::RegisterExportDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RegisterExport"));
    setWindowTitle(exportTitle());
    from = new QLineEdit;
    from->setObjectName(QStringLiteral("ExportFrom"));
    to = new QLineEdit;
    to->setObjectName(QStringLiteral("ExportTo"));
    for (QLineEdit *e : {from, to})
        e->setPlaceholderText(tr("DD/MMM/YYYY"));
    auto *note = new QLabel(tr("Certificates dated within the period, both days included (13e, else 14e "
                                           "date). With both boxes empty, every certificate."));
    note->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(note);
    form->addRow(tr("From"), from);
    form->addRow(tr("To"), to);
    form->addRow(buttons);
}

std::optional<RegisterExport::Period> RegisterExportDialog::period(MessageBoxes &messages) const
{
    RegisterExport::Period p;
    for (const auto &[box, day] : {std::pair{from, &p.from}, std::pair{to, &p.to}}) {
        const QString text = box->text().trimmed();
        if (text.isEmpty())
            continue;
        *day = DateText::parse(text);
        if (!day->isValid()) {
            messages.ask(
                {MessageTexts::tr("\"%1\" is not a date. Type the day as DD/MMM/YYYY, for example 05/Dec/2026, "
                                  "or empty the box.")
                     .arg(GivenText::quoted(text)),
                 exportTitle(), Message::Buttons::Ok, Message::Icon::Exclamation});
            return std::nullopt;
        }
    }
    if (p.from.isValid() && p.to.isValid() && p.from > p.to) {
        messages.ask({tr("The period from %1 to %2 holds no day: the first day is later than the last.")
                          .arg(DateText::format(p.from), DateText::format(p.to)),
                      exportTitle(), Message::Buttons::Ok, Message::Icon::Exclamation});
        return std::nullopt;
    }
    return p;
}

QString RegisterExportDialog::run(QWidget *window, DataFolder &folder, MessageBoxes &messages,
                               std::function<QString()> chooseFile)
{
    if (!FolderMessages::ensureOpen(folder, messages) || !FolderMessages::ensureReachable(folder, messages))
        return {};
    RegisterExportDialog dialog(window);
    std::optional<RegisterExport::Period> period;
    while (!period) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        period = dialog.period(messages);
    }
    if (!chooseFile)
        chooseFile = [window] {
            // The question whether to replace a file is the command's own.
            QString path =
                QFileDialog::getSaveFileName(window, exportTitle(), QStringLiteral("register.csv"),
                                             tr("CSV files (*.csv)"), nullptr, QFileDialog::DontConfirmOverwrite);
            if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
                path += QStringLiteral(".csv");
            return path;
        };
    const QString path = chooseFile();
    if (path.isEmpty())
        return {};
    if (const QString why = RegisterExport::refusal(folder.certificates(), path); !why.isEmpty()) {
        messages.ask({tr("The register was not written to %1: %2.").arg(GivenText::quoted(path), why), exportTitle(),
                      Message::Buttons::Ok, Message::Icon::Exclamation});
        return {};
    }
    if (RegisterExport::exists(path)
        && messages.ask({tr("%1 exists already. Replace it with the register?").arg(GivenText::quoted(path)),
                         exportTitle(), Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No})
               != Message::Answer::Yes)
        return {};
    RegisterExport::Written count;
    DbStatus s;
    {
        // Stopping leaves the file as it was, so Cancel is offered.
        ProgressWindow progress(window, exportTitle(), ProgressWindow::Stop::Allowed);
        s = RegisterExport::write(folder.certificates(), *period, path, &count, progress.progress(),
                                  RegisterExport::Existing::Replace);
    }
    if (s.is(DbCondition::Cancelled))
        messages.ask({MessageTexts::tr("Stopped: the register was not written."), exportTitle(), Message::Buttons::Ok,
                      Message::Icon::Information});
    else if (!s.ok())
        messages.ask({MessageTexts::tr("The register was not written: %1").arg(s.detail()), exportTitle(),
                      Message::Buttons::Ok, Message::Icon::Critical});
    return s.ok() ? RegisterExport::told(count, QDir::toNativeSeparators(path)) : QString();
}

} // namespace arc
