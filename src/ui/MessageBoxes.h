#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace arc {

// Every question and notice the program puts to the user goes through
// here, so prompts and titles are one value each and tests can answer.
struct Message {
    // Back: one button, "Back to the certificate", answered as Cancel.
    enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel, WritePdfPrintClose, Back };
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Answer { Ok, Cancel, Yes, No, Save, Discard, WritePdf, Print, Close };

    QString prompt;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultAnswer = Answer::Ok;

    bool operator==(const Message &) const = default;
};

// The texts of questions and notices. A constant Message, made before any
// translator is installed, holds its texts marked with
// QT_TRANSLATE_NOOP("arc::Message", ...): they are translated when shown.
struct MessageTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::Message)
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual Message::Answer ask(const Message &message) = 0;
};

// The real dialogs.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget *parent) : m_parent(parent) {}
    Message::Answer ask(const Message &message) override;

private:
    QWidget *m_parent;
};

} // namespace arc
