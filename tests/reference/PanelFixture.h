#pragma once

#include "AddMode.h"
#include "OpenedSource.h"
#include "ReferenceLists.h"
#include "Rows.h"
#include "ScriptedMessages.h"

#include <QComboBox>

// What a reference panel is built with, over a data source of the test's
// own: the window's add mode and messages; and what the test reads back.
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
    // A signatory's row.
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
