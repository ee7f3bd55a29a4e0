#include "RecentCertificates.h"
#include "SearchFixture.h"

#include <QMenu>

namespace {

using RecentTest = SearchTest;

TEST_F(RecentTest, KeepsTheLastTenPerSourceAndOffersOnlyThoseStillStored)
{
    const QString settings = folder() + "recent.ini";
    arc::RecentCertificates recent(settings);
    recent.setSource(folder());
    QList<qint64> keys;
    for (int i = 1; i <= 12; ++i)
        keys << certificate(QString("T%1").arg(i), {}, {{"Date23", "2026-12-05"}});
    for (qint64 k : keys)
        recent.remember(k);
    recent.remember(keys[5]); // shown again: first
    EXPECT_EQ(recent.keys(), (QList<qint64>{keys[5], keys[11], keys[10], keys[9], keys[8], keys[7], keys[6], keys[4],
                                            keys[3], keys[2]}));

    // Read afresh by another window of the same user; another source has its own.
    arc::RecentCertificates again(settings);
    again.setSource(folder());
    EXPECT_EQ(again.keys(), recent.keys());
    again.setSource("postgresql://arc@server/other");
    EXPECT_TRUE(again.keys().isEmpty());

    ASSERT_TRUE(data.certificates().exec("DELETE FROM \"Header\" WHERE \"FormIndex\" = ?", {keys[11]}).ok());
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Header\" SET \"Tracking\" = 'T6-B' WHERE \"FormIndex\" = ?", {keys[5]}).ok());
    QMenu menu;
    QList<qint64> shown;
    recent.fillMenu(&menu, data.certificates(), [&shown](qint64 k) { shown << k; });
    ASSERT_EQ(menu.actions().size(), 9);
    EXPECT_EQ(menu.actions()[0]->text(), "T6-B  05/Dec/2026");
    EXPECT_EQ(menu.actions()[1]->text(), "T11  05/Dec/2026");
    menu.actions()[1]->trigger();
    EXPECT_EQ(shown, QList<qint64>{keys[10]});
}

} // namespace
