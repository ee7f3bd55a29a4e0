#include "PrintPanel.h"

#include "NamedWidget.h"
#include "PanelKeys.h"
#include "NulRefusal.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace arc {

PrintPanel::PrintPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3D5"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    text45 = new QLineEdit;
    text45->setObjectName(QStringLiteral("Text45"));
    refuseNul(text45);
    auto *caption = new QLabel(tr("Copies"));
    caption->setBuddy(text45);

    okButton = namedWidget<QPushButton>("Command1_0", QStringLiteral("OK"));
    okButton->setDefault(true);
    cancelButton = namedWidget<QPushButton>("Command1_1", QStringLiteral("Cancel"));
    previewButton = namedWidget<QPushButton>("CommandPreview", tr("Preview"));
    pdfButton = namedWidget<QPushButton>("CommandPdf", tr("PDF..."));

    auto *layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(text45, 0, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {okButton, cancelButton, previewButton, pdfButton})
        buttons->addWidget(b);
    layout->addLayout(buttons, 1, 0, 1, 2);
    PanelKeys::attach(this, cancelButton, okButton);
    adjustSize();
    hide();
}

void PrintPanel::showOver()
{
    adjustSize();
    if (QWidget *p = parentWidget())
        move((p->width() - width()) / 2, (p->height() - height()) / 2);
    show();
    raise();
    text45->setFocus();
    text45->selectAll();
}

} // namespace arc
