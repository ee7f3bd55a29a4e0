#include "AccessPanel.h"

#include "NulRefusal.h"
#include "Passwords.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace arc {

AccessPanel::AccessPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("SSPanel1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);

    auto *caption = new QLabel(tr("Access Control"));
    QFont f = caption->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    caption->setFont(f);
    caption->setAlignment(Qt::AlignCenter);

    combo4 = new QComboBox;
    combo4->setObjectName(QStringLiteral("Combo4"));
    text44 = new QLineEdit;
    text44->setObjectName(QStringLiteral("Text44"));
    refuseNul(text44);
    text44->setEchoMode(QLineEdit::Password);
    submitButton = new QPushButton(tr("Submit"));
    submitButton->setObjectName(QStringLiteral("SSCommand2"));
    exitButton = new QPushButton(tr("Exit"));
    exitButton->setObjectName(QStringLiteral("SSCommand1"));
    text44->setMaxLength(Passwords::maximumLength);
    refusal = new QLabel;
    refusal->setObjectName(QStringLiteral("SignInRefusal"));
    refusal->setWordWrap(true);
    refusal->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    refusal->hide();
    masterNote = new QLabel(tr("No signatory is an administrator yet: the master password opens the program so "
                               "that one can be set up (Set-up, DMIRs). It stops opening once an administrator "
                               "exists."));
    masterNote->setObjectName(QStringLiteral("MasterPasswordNote"));
    masterNote->setWordWrap(true);
    masterNote->hide();

    auto *g = new QGridLayout(this);
    g->addWidget(caption, 0, 0, 1, 2);
    g->addWidget(new QLabel(tr("Select name")), 1, 0);
    g->addWidget(combo4, 1, 1);
    g->addWidget(new QLabel(tr("Enter password")), 2, 0);
    g->addWidget(text44, 2, 1);
    g->addWidget(refusal, 3, 0, 1, 2);
    g->addWidget(masterNote, 4, 0, 1, 2);
    g->addWidget(submitButton, 5, 0);
    g->addWidget(exitButton, 5, 1);
    setFixedWidth(std::max(sizeHint().width(), 360));
    adjustSize();
}

void AccessPanel::showMasterNote(bool show)
{
    masterNote->setVisible(show);
    adjustSize();
}

void AccessPanel::refuse(const QString &why)
{
    refusal->setText(why);
    refusal->setVisible(!why.isEmpty());
    adjustSize();
}

} // namespace arc
