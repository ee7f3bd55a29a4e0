#include "MenuBindings.h"

#include "BenchActions.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "FindPanel.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "RecentCertificates.h"
#include "RegisterExportDialog.h"
#include "SetupPanel.h"
#include "StatusLine.h"

#include <QMenu>
#include <QPushButton>

namespace arc::MenuBindings {

void attach(MainWindow &w)
{
    using Item = MenuBar::Item;
    MenuBar &menu = w.menuBar();
    CertificateScreen &s = w.screen();
    SetupPanel &setup = w.setupPanel();
    const std::pair<Item, QPushButton *> onScreen[] = {
        {Item::New, s.newButton},         {Item::Save, s.saveButton},         {Item::Print, s.printButton},
        {Item::Exit, s.exitButton},       {Item::Previous, s.previousButton}, {Item::Next, s.nextButton},
        {Item::Find, s.findButton},       {Item::Setup, s.setupButton},       {Item::Defaults, s.defaultsButton},
        {Item::Parts, s.partsButton},     {Item::Duplicate, s.duplicateButton}, {Item::BatchSerials, s.batchButton}};
    for (const auto &[item, button] : onScreen)
        menu.bind(item, button);
    menu.bind(Item::WritePdf, w.printCommand().panel().pdfButton, s.printButton);
    menu.bind(Item::ShowAll, w.findPanel().allButton, s.findButton);
    const std::pair<Item, QPushButton *> onSetup[] = {{Item::Signatories, setup.dmirsButton},
                                                      {Item::Countries, setup.countriesButton},
                                                      {Item::ForwardHouses, setup.housesButton},
                                                      {Item::Statements, setup.statementsButton}};
    for (const auto &[item, button] : onSetup)
        menu.bind(item, button, s.setupButton);
    menu.bind(Item::ExportRegister, [&w] {
        if (const QString written = RegisterExportDialog::run(&w, w.dataFolder(), w.messages()); !written.isEmpty())
            w.statusLine().tell(written);
    });
    BenchActions &bench = w.benchActions();
    menu.bind(Item::SignOut, [&bench] { bench.signOut(); });
    menu.bind(Item::VoidNumber, [&bench] { bench.voidNumber(); });
    menu.bind(Item::SendByMail, [&bench] { bench.sendByMail(); });
    menu.bind(Item::About, [&bench] { bench.about(); });
    auto *recent = new QMenu(&w);
    menu.action(Item::Recent)->setMenu(recent);
    menu.action(Item::Recent)->setEnabled(true);
    w.recent().keepFilled(
        recent, [&w] { return w.dataFolder().isOpen() ? &w.dataFolder().certificates() : nullptr; },
        [&w](qint64 formIndex) { w.showCertificate(formIndex); });
}

} // namespace arc::MenuBindings
