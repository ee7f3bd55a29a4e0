#include "RemarksOnScreen.h"

#include "BlankRule.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "EntryText.h"
#include "FolderMessages.h"
#include "ItemGridModel.h"
#include "LineBreaks.h"
#include "MessageBoxes.h"
#include "Prompts.h"
#include "RemarksBuilder.h"
#include "RemarksFromScreen.h"
#include "SilentEdit.h"
#include "StampTexts.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

namespace arc {

namespace {

struct RemarksOnScreenTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::RemarksOnScreen)
};

} // namespace

RemarksOnScreen::RemarksOnScreen(CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder,
                                 MessageBoxes &messages)
    : m_screen(screen), m_grid(grid), m_folder(folder), m_messages(messages)
{
}

void RemarksOnScreen::compose(qint64 ownFormIndex)
{
    // Composed apart and set once: a stamp that cannot be read is left out,
    // never leaving block 12 half built.
    const RemarksBuilder::StampLookUp stampText = [this](const QString &code) -> std::optional<QString> {
        if (!m_folder.isOpen())
            return std::nullopt;
        return StampTexts::text(m_folder.reference(), code);
    };
    DbStatus read;
    const RemarksInputs inputs = remarksFromScreen(m_screen, m_grid.currentLine(), ownFormIndex, m_folder, read);
    if (!read.ok()) {
        m_messages.ask(FolderMessages::storeFailure(
            RemarksOnScreenTexts::tr("The release statements could not be read, so block 12 was left as it is"), read));
        return;
    }
    const QString composed = LineBreaks::toScreen(RemarksBuilder::compose(inputs, stampText));
    const QString shown = m_screen.block12Remarks->toPlainText();
    // Typed remarks that already state the dual release get it no second time.
    if (shown != m_filled && RemarksBuilder::holds(shown, RemarksBuilder::dualRelease(inputs)))
        return;
    if (!BlankRule::isBlank(shown) && shown != m_filled && shown != composed
        && m_messages.ask(Prompts::kReplaceRemarks) != Message::Answer::Yes)
        return;
    fill(composed);
}

void RemarksOnScreen::fill(const QString &text)
{
    SilentEdit::setText(m_screen.block12Remarks, text);
    m_filled = m_screen.block12Remarks->toPlainText();
}

} // namespace arc
