// The parts of the verification page that decide without a network.

#include "RateLimit.h"
#include "WebOptions.h"

#include <gtest/gtest.h>

// A minute is a sliding window: a request a minute after another no longer
// counts it; refused requests are not counted.
TEST(RateLimit, ThirtyAMinutePerAddressInASlidingWindow)
{
    arc::RateLimit limit;
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(limit.admit("192.0.2.1", 1000 * i)) << i;
    EXPECT_FALSE(limit.admit("192.0.2.1", 30000));
    EXPECT_TRUE(limit.admit("192.0.2.2", 30000)) << "another address";
    EXPECT_FALSE(limit.admit("192.0.2.1", 59999));
    EXPECT_TRUE(limit.admit("192.0.2.1", 60000)) << "the first is a minute old";
    EXPECT_FALSE(limit.admit("192.0.2.1", 60500));
    EXPECT_TRUE(limit.admit("192.0.2.1", 61000));
}

struct OptionsCase {
    const char *what;
    QStringList arguments;
    const char *error; // empty when accepted
    const char *address;
    quint16 port;
};

TEST(WebOptions, ReadsTheSourceAndTheAddressToListenOn)
{
    const OptionsCase cases[] = {
        {"a folder", {"/srv/arc"}, "", "127.0.0.1", 8130},
        {"a server", {"postgresql://reader@db/arc"}, "", "127.0.0.1", 8130},
        {"an address", {"/srv/arc", "--listen", "0.0.0.0:8080"}, "", "0.0.0.0", 8080},
        {"IPv6", {"--listen", "[::1]:0", "/srv/arc"}, "", "::1", 0},
        {"no source", {"--listen", "127.0.0.1:8130"}, "no data source given", "", 0},
        {"two sources", {"/a", "/b"}, "only one data source can be served", "", 0},
        {"no port", {"/a", "--listen", "127.0.0.1"}, "--listen needs", "", 0},
        {"a port too large", {"/a", "--listen", "127.0.0.1:70000"}, "--listen needs", "", 0},
        {"a host name", {"/a", "--listen", "localhost:80"}, "--listen needs", "", 0},
        {"nothing after --listen", {"/a", "--listen"}, "--listen needs", "", 0},
        {"an unknown option", {"/a", "--port", "1"}, "unknown option --port", "", 0},
    };
    for (const OptionsCase &c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        const std::optional<arc::WebOptions> o = arc::WebOptions::parse(c.arguments, &error);
        if (*c.error) {
            EXPECT_FALSE(o);
            EXPECT_TRUE(error.startsWith(c.error)) << error.toStdString();
            continue;
        }
        ASSERT_TRUE(o) << error.toStdString();
        EXPECT_EQ(o->address.toString(), c.address);
        EXPECT_EQ(o->port, c.port);
    }
    EXPECT_EQ(arc::WebOptions::parse({"/srv/arc"}, nullptr)->source, "/srv/arc/");
}
