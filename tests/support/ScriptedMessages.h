#pragma once

#include "MessageBoxes.h"
#include "PrintTo.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>
#include <source_location>

namespace arc {
inline void PrintTo(const Message &m, std::ostream *os)
{
    *os << '{' << m.prompt.toStdString() << " | " << m.title.toStdString() << '}';
}
} // namespace arc

// Answers from a script and keeps every message; checks compare against the
// program's own prompts, so no message text is typed twice.
class ScriptedMessages : public arc::MessageBoxes {
public:
    arc::Message::Answer ask(const arc::Message &m) override
    {
        shown << m;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return m.defaultAnswer;
    }

    // Exactly these were asked, in this order.
    void expectAsked(const QList<arc::Message> &expected, std::source_location at = std::source_location::current())
    {
        const testing::ScopedTrace trace(at.file_name(), int(at.line()), "asked here");
        EXPECT_EQ(shown, expected);
        shown.clear();
    }
    void expectAsked(const arc::Message &expected, std::source_location at = std::source_location::current())
    {
        expectAsked(QList<arc::Message>{expected}, at);
    }
    // One message naming what only the moment knows (a path, a reason).
    void expectAsked(const QString &title, const QStringList &textParts,
                     std::source_location at = std::source_location::current())
    {
        const testing::ScopedTrace trace(at.file_name(), int(at.line()), "asked here");
        if (shown.size() != 1) {
            ADD_FAILURE() << "asked " << shown.size() << " messages, not one: " << testing::PrintToString(shown);
        } else {
            EXPECT_EQ(shown[0].title, title);
            for (const QString &part : textParts)
                EXPECT_TRUE(shown[0].prompt.contains(part)) << part.toStdString() << " not in " << shown[0].prompt.toStdString();
        }
        shown.clear();
    }
    void expectNothingAsked(std::source_location at = std::source_location::current()) { expectAsked(QList<arc::Message>{}, at); }

    QList<arc::Message> shown;
    QList<arc::Message::Answer> answers;
};
