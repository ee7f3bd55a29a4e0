#include "StatusWiring.h"

#include "AccessPanel.h"
#include "BenchActions.h"
#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "CountriesPanel.h"
#include "EntryBox.h"
#include "DefaultsPanel.h"
#include "FindPanel.h"
#include "ForwardersPanel.h"
#include "IssueCommand.h"
#include "IssuedCertificate.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "PartsPanel.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "SettingsPanels.h"
#include "SetupPanel.h"
#include "SignIn.h"
#include "SignatoriesPanel.h"
#include "StatementsPanel.h"
#include "StatusLine.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>
#include <type_traits>

namespace arc::StatusWiring {

namespace {

struct StatusTexts {
    Q_DECLARE_TR_FUNCTIONS(StatusWiring)
};

// Why a menu item's keys did nothing: the panel open that holds them.
void tellUnavailable(MainWindow &w, MenuBar::Item item)
{
    const std::pair<const QWidget *, QString> panels[] = {
        {&w.accessPanel(), StatusTexts::tr("the sign-in panel")},     {&w.findPanel(), StatusTexts::tr("the find panel")},
        {&w.setupPanel(), StatusTexts::tr("the set-up panel")},       {&w.defaultsPanel(), StatusTexts::tr("the defaults panel")},
        {&w.printCommand().panel(), StatusTexts::tr("the print panel")}};
    const auto open =
        std::find_if(std::begin(panels), std::end(panels), [](const auto &p) { return p.first->isVisible(); });
    w.statusLine().tell(open == std::end(panels)
                            ? StatusTexts::tr("%1 cannot be used now.").arg(w.menuBar().plainText(item))
                            : StatusTexts::tr("%1 cannot be used while %2 is open: close it first (Escape).")
                                  .arg(w.menuBar().plainText(item), open->second));
}

} // namespace

void attach(MainWindow &w)
{
    StatusLine *status = &w.statusLine();
    const auto tellFrom = [status](auto *teller) {
        QObject::connect(teller, &std::remove_pointer_t<decltype(teller)>::told, status, &StatusLine::tell);
    };
    tellFrom(&w.certificate());
    tellFrom(&w.benchActions());
    tellFrom(&w.issueCommand());
    tellFrom(&w.settingsPanels());
    tellFrom(&w.signatoriesPanel());
    tellFrom(&w.countriesPanel());
    tellFrom(&w.forwardersPanel());
    tellFrom(&w.partsPanel());
    tellFrom(&w.statementsPanel());
    tellFrom(&w.signIn());
    tellFrom(&w.findPanel());
    w.certificate().issued().setSupersessionListener([status](const QString &text) { status->showSuperseded(text); });
    QObject::connect(&w.menuBar(), &MenuBar::unavailable, status,
                     [&w](MenuBar::Item item) { tellUnavailable(w, item); });
    QObject::connect(&w.signIn(), &SignIn::signatoryChanged, status, [status](const SignedInAs &who) {
        status->showSignedIn(who.signatory ? who.signatory->name : QString(), who.master);
    });
}

} // namespace arc::StatusWiring
