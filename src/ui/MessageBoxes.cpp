#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace arc {

namespace {

QMessageBox::StandardButton toButton(Message::Answer a)
{
    switch (a) {
    case Message::Answer::Ok: return QMessageBox::Ok;
    case Message::Answer::Cancel: return QMessageBox::Cancel;
    case Message::Answer::Yes: return QMessageBox::Yes;
    case Message::Answer::No: return QMessageBox::No;
    case Message::Answer::Save: return QMessageBox::Save;
    case Message::Answer::Discard: return QMessageBox::Discard;
    case Message::Answer::WritePdf:
    case Message::Answer::Print:
    case Message::Answer::Close: break;
    }
    return QMessageBox::Ok;
}

// "Write PDF", "Print" and "Close": buttons of their own texts.
Message::Answer askOutput(QMessageBox &box, const Message &m)
{
    QAbstractButton *pdf = box.addButton(MessageTexts::tr("Write PDF"), QMessageBox::AcceptRole);
    QAbstractButton *print = box.addButton(MessageTexts::tr("Print"), QMessageBox::AcceptRole);
    QPushButton *close = box.addButton(MessageTexts::tr("Close"), QMessageBox::RejectRole);
    box.setDefaultButton(m.defaultAnswer == Message::Answer::WritePdf ? static_cast<QPushButton *>(pdf)
                         : m.defaultAnswer == Message::Answer::Print  ? static_cast<QPushButton *>(print)
                                                                      : close);
    box.setEscapeButton(close);
    box.exec();
    return box.clickedButton() == pdf ? Message::Answer::WritePdf
           : box.clickedButton() == print ? Message::Answer::Print
                                          : Message::Answer::Close;
}

// The only way on is back: the box answers Cancel however it is closed.
Message::Answer askBack(QMessageBox &box)
{
    QPushButton *back = box.addButton(MessageTexts::tr("Back to the certificate"), QMessageBox::RejectRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return Message::Answer::Cancel;
}

} // namespace

Message::Answer QtMessageBoxes::ask(const Message &m)
{
    // A constant's texts are translated here; texts made translated are
    // found in no translation and shown as they are.
    const auto shown = [](const QString &text) {
        return QCoreApplication::translate("arc::Message", text.toUtf8().constData());
    };
    QMessageBox box(m_parent);
    box.setWindowTitle(shown(m.title));
    box.setText(shown(m.prompt));
    switch (m.icon) {
    case Message::Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Message::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Message::Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Message::Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Message::Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (m.buttons) {
    case Message::Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Message::Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Message::Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Message::Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        break;
    case Message::Buttons::WritePdfPrintClose: return askOutput(box, m);
    case Message::Buttons::Back: return askBack(box);
    }
    box.setDefaultButton(toButton(m.defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Ok: return Message::Answer::Ok;
    case QMessageBox::Yes: return Message::Answer::Yes;
    case QMessageBox::No: return Message::Answer::No;
    case QMessageBox::Save: return Message::Answer::Save;
    case QMessageBox::Discard: return Message::Answer::Discard;
    default:
        // Closing the box counts as the cautious answer.
        return m.buttons == Message::Buttons::YesNo ? Message::Answer::No : Message::Answer::Cancel;
    }
}

} // namespace arc
