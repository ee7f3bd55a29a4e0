#pragma once

#include "AddMode.h"
#include "OpenedSource.h"
#include "ReferenceLists.h"
#include "Rows.h"
#include "ScriptedMessages.h"
#include "SignatoriesPanel.h"

#include <QComboBox>

// A reference panel's add mode and messages, over a data source of the test's own.
template <class Source = OpenedFolderTest>
class PanelTest : public Source {
protected:
    QString stored(const QString &sql) { return this->data.reference().scalar(sql).toString(); }
    // A list's entries, as "a|b|c".
    static QString names(const QComboBox &list)
    {
        QStringList l;
        for (int i = 0; i < list.count(); ++i)
            l << list.itemText(i);
        return l.join('|');
    }
    static QVariantMap agent(const QString &name, const QString &password, const QString &number,
                             bool administrator = false, QVariantMap more = {})
    {
        more.insert({{"Name", name}, {"Password", password}, {"ApprovalNumber", number}});
        if (administrator)
            more.insert("Administrator", true);
        return more;
    }
    // The signatories listed in `list` as the sign-in panel lists them.
    void listAgents(QComboBox &list)
    {
        for (const arc::AgentEntry &a : arc::ReferenceLists::agents(this->data.agents()))
            list.addItem(a.name, QVariant::fromValue(a));
    }

    arc::AddMode addMode;
    ScriptedMessages messages;
};

// The signatories panel with the sign-in list it keeps in step.
template <class Source = OpenedFolderTest>
class SignatoriesPanelFixture : public PanelTest<Source> {
protected:
    // Store the signatories, list them for sign-in, build the panel.
    void openPanel(const QList<QVariantMap> &agents = {})
    {
        for (const QVariantMap &a : agents)
            writeRow(this->data.agents(), a);
        this->listAgents(access);
        access.setCurrentIndex(-1);
        panel = std::make_unique<arc::SignatoriesPanel>(this->data, this->addMode, this->messages, &access);
        QObject::connect(panel.get(), &arc::SignatoriesPanel::setupMayClose, [this](bool may) { setupEnabled = may; });
    }
    bool pressDmirs() { return panel->open(signedIn, master); }
    void signInAs(int entry) { signedIn = access.itemData(entry).value<arc::AgentEntry>(); }
    // The panel opened by the first signatory stored; call under ASSERT_NO_FATAL_FAILURE.
    void openAsFirst(const QList<QVariantMap> &agents)
    {
        openPanel(agents);
        signInAs(0);
        ASSERT_TRUE(pressDmirs());
    }
    void chooseRow(int row)
    {
        panel->combo6->setCurrentIndex(row);
        panel->choose(row);
    }

    QComboBox access;
    std::unique_ptr<arc::SignatoriesPanel> panel;
    std::optional<arc::AgentEntry> signedIn;
    bool master = false;
    bool setupEnabled = true;
};
