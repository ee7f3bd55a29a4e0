#include "AccessPanel.h"

#include "NulRefusal.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace arc {

AccessPanel::AccessPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("SSPanel1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);

    auto *caption = new QLabel(QStringLiteral("Access Control"));
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
    submitButton = new QPushButton(QStringLiteral("Submit"));
    submitButton->setObjectName(QStringLiteral("SSCommand2"));
    exitButton = new QPushButton(QStringLiteral("Exit"));
    exitButton->setObjectName(QStringLiteral("SSCommand1"));

    auto *g = new QGridLayout(this);
    g->addWidget(caption, 0, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Select name")), 1, 0);
    g->addWidget(combo4, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Enter password")), 2, 0);
    g->addWidget(text44, 2, 1);
    g->addWidget(submitButton, 3, 0);
    g->addWidget(exitButton, 3, 1);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

} // namespace arc
