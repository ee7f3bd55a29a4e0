#include "PaperChoice.h"

#include "PaperSize.h"

namespace arc {

PaperChoice::PaperChoice(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("PaperSize"));
    setToolTip(tr("The paper this organisation's certificates print on"));
    addItem(tr("As the form: Letter for FAA, A4 for EASA and UK"), QString());
    for (const Paper paper : {Paper::Letter, Paper::A4})
        addItem(PaperSize::stored(paper), PaperSize::stored(paper));
}

QString PaperChoice::kept() const { return currentData().toString(); }

void PaperChoice::setKept(const QString &kept)
{
    const std::optional<Paper> paper = PaperSize::fromStored(kept);
    setCurrentIndex(paper ? findData(PaperSize::stored(*paper)) : 0);
}

} // namespace arc
