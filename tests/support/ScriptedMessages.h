#pragma once

#include "MessageBoxes.h"

#include <QList>
#include <ostream>

namespace arc {
inline void PrintTo(const Message &m, std::ostream *os)
{
    *os << '{' << m.prompt.toStdString() << " | " << m.title.toStdString() << '}';
}
} // namespace arc

// Answers the program's questions from a script and keeps every message
// shown, so tests can check prompts and titles word for word.
class ScriptedMessages : public arc::MessageBoxes {
public:
    arc::Message::Answer ask(const arc::Message &m) override
    {
        shown << m;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return m.defaultAnswer;
    }

    QList<arc::Message> shown;
    QList<arc::Message::Answer> answers;
};
