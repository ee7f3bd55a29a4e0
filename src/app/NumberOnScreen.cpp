#include "NumberOnScreen.h"

#include "DataFolder.h"
#include "FolderMessages.h"
#include "NumberPrompts.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct NumberOnScreenTexts {
    Q_DECLARE_TR_FUNCTIONS(NumberOnScreen)
};

} // namespace

void NumberOnScreen::failed(const QString &what, const DbStatus &status) const
{
    m_messages.ask(FolderMessages::storeFailure(what, status));
}

bool NumberOnScreen::mayStore(const QString &tracking) const
{
    if (!m_folder.isOpen())
        return true;
    DbStatus s;
    const bool isVoid = TakenNumbers(m_folder.certificates()).isVoid(tracking, &s);
    if (!s.ok())
        failed(NumberOnScreenTexts::tr("Whether the certificate number is void could not be read, so the certificate was not "
                              "saved"),
               s);
    else if (isVoid)
        m_messages.ask(NumberPrompts::numberVoid(tracking.trimmed()));
    return s.ok() && !isVoid;
}

void NumberOnScreen::stored(const QString &storedTracking)
{
    if (m_taken.isEmpty() || !m_folder.isOpen())
        return;
    const TakenNumbers numbers(m_folder.certificates());
    const DbStatus s = m_taken.compare(storedTracking.trimmed(), Qt::CaseInsensitive) == 0
                           ? numbers.stored(m_taken)
                           : numbers.voidTaken(m_taken, station(), TakenNumbers::leftUnsaved());
    m_taken.clear();
    if (!s.ok())
        failed(NumberOnScreenTexts::tr("The certificate was saved, but the number it took could not be accounted for"), s);
}

QString NumberOnScreen::left(const QString &reason)
{
    if (m_taken.isEmpty() || !m_folder.isOpen())
        return {};
    bool recorded = false;
    const DbStatus s = TakenNumbers(m_folder.certificates()).voidTaken(m_taken, station(), reason, &recorded);
    const QString voided = recorded ? m_taken : QString();
    m_taken.clear();
    if (!s.ok())
        failed(NumberOnScreenTexts::tr("The number of the certificate left unsaved could not be recorded as void"), s);
    return voided;
}

int NumberOnScreen::settleEnded() const
{
    if (!m_folder.isOpen())
        return 0;
    int voided = 0;
    if (const DbStatus s = TakenNumbers(m_folder.certificates()).settleEnded(station(), processRuns, &voided); !s.ok())
        failed(NumberOnScreenTexts::tr("The numbers taken by a program that ended could not be recorded as void"), s);
    return voided;
}

} // namespace arc
