#include "ReleaseBlocks.h"

#include "FormDefinition.h"
#include "PageCanvas.h"
#include "PageWriter.h"
#include "PrintMode.h"
#include "PrintSignature.h"

namespace arc::ReleaseBlocks {

namespace {

void shading(PageCanvas &c, const PageGeometry &g, const CertificatePage &page)
{
    if (page.settings.shade) {
        c.setFillStyle(PageCanvas::FillStyle::Solid);
        c.setFillColor(QColor(224, 224, 224));
        if (page.block13Applies())
            c.box(g.h, g.y5, g.xR, g.y8);
        else
            c.box(g.x0, g.y5, g.h, g.y8);
    }
    c.setFillStyle(PageCanvas::FillStyle::Transparent);
    c.setFillColor(Qt::black);
}

// One box size for both signatures: from the top of its label, as wide as
// the block leaves, down to a label line above the next ruling.
QSizeF signatureBox(PageWriter &p)
{
    const PageGeometry &g = p.g;
    p.font(p.mode.label, true);
    const float width = std::min(g.m + g.X(30), g.before(g.m) - (g.x0 + g.X(30)));
    const float height = g.y7 + g.Y(50) - (g.y6 + g.Y(50) + static_cast<float>(p.c.lineHeight()));
    return {width, height};
}

// The signature under its label, so that the label stays readable; the
// box it went into, if it was printed.
std::optional<QRectF> signature(PageWriter &p, const CertificatePage &page, const QString &name, float left,
                                float ruling, const QSizeF &box, const QString &label)
{
    const float top = p.g.y6 + p.g.Y(50);
    std::optional<QRectF> printed;
    if (page.signsAbove(name)) {
        PrintSignature(p.c, page.signature, left, top, static_cast<float>(box.width()),
                       static_cast<float>(box.height()));
        printed = QRectF(QPointF(left, top), box);
    }
    p.label(left, top, ruling, label);
    return printed;
}

std::optional<QRectF> block13(PageWriter &p, const CertificatePage &page, const QSizeF &box)
{
    const PrintMode &mode = p.mode;
    const PageGeometry &g = p.g;
    const FormDefinition &form = page.definition();
    p.label(g.x0 + g.X(30), g.y5 + g.Y(50), g.h, form.numbered(QStringLiteral("13a")));
    p.fitted(mode.body, false, g.x0 + g.X(650), g.y5 + g.Y(450), g.before(g.h), form.boxes13a.value(0));
    p.fitted(mode.body, false, g.x0 + g.X(650), g.y5 + g.Y(750), g.before(g.h), form.boxes13a.value(1));
    p.c.setLineWidth(1);
    const std::optional<QRectF> signedAt = signature(p, page, page.text(PrintedBox::Name13), g.x0 + g.X(30), g.m,
                                                     box, form.numbered(QStringLiteral("13b")));
    p.label(g.m + g.X(30), g.y6 + g.Y(50), g.h, form.numbered(QStringLiteral("13c")));
    p.centred(mode.body, false, g.m, g.h, g.y6 + g.Y(280), page.text(PrintedBox::ApprovalNo),
              CertificatePage::tooLong(PrintedBox::ApprovalNo));
    p.label(g.x0 + g.X(30), g.y7 + g.Y(50), g.m, form.numbered(QStringLiteral("13d")));
    p.fitted(mode.value, false, g.x0 + g.X(450), g.y7 + g.Y(280), g.before(g.m), page.text(PrintedBox::Name13),
             CertificatePage::tooLong(PrintedBox::Name13));
    p.label(g.m + g.X(30), g.y7 + g.Y(50), g.h, form.numbered(QStringLiteral("13e")));
    p.fitted(mode.value, false, g.m + g.X(450), g.y7 + g.Y(280), g.before(g.h), page.text(PrintedBox::Date13),
             CertificatePage::tooLong(PrintedBox::Date13));
    return signedAt;
}

std::optional<QRectF> block14(PageWriter &p, const CertificatePage &page, const QSizeF &box)
{
    const PrintMode &mode = p.mode;
    const PageGeometry &g = p.g;
    const FormDefinition &form = page.definition();
    p.fitted(mode.body, true, g.h + g.X(30), g.y5 + g.Y(50), g.before(g.xR), form.numbered(QStringLiteral("14a")));
    // The return-to-service text ends before the other regulation's box.
    p.fitted(mode.body, true, g.h + g.X(460), g.y5 + g.Y(290), g.before(g.h + g.X(2700)),
             form.boxes14a.value(0));
    p.fitted(mode.body, true, g.h + g.X(2950), g.y5 + g.Y(290), g.before(g.xR),
             form.boxes14a.value(1));
    // The statement's lines, at most four, each at its place.
    const float lineY[] = {620, 810, 1000, 1220};
    for (qsizetype i = 0; i < form.statement14a.size() && i < qsizetype(std::size(lineY)); ++i)
        p.fitted(mode.body, false, g.h + g.X(200), g.y5 + g.Y(lineY[i]), g.before(g.xR), form.statement14a[i]);
    const std::optional<QRectF> signedAt = signature(p, page, page.text(PrintedBox::Name14), g.h + g.X(30), g.n,
                                                     box, form.numbered(QStringLiteral("14b")));
    p.label(g.n + g.X(30), g.y6 + g.Y(50), g.xR, form.numbered(QStringLiteral("14c")));
    p.centred(mode.body, false, g.n, g.xR, g.y6 + g.Y(280), page.text(PrintedBox::CertificateNo),
              CertificatePage::tooLong(PrintedBox::CertificateNo));
    p.label(g.h + g.X(30), g.y7 + g.Y(50), g.n, form.numbered(QStringLiteral("14d")));
    p.fitted(mode.value, false, g.h + g.X(450), g.y7 + g.Y(280), g.before(g.n), page.text(PrintedBox::Name14),
             CertificatePage::tooLong(PrintedBox::Name14));
    p.label(g.n + g.X(30), g.y7 + g.Y(50), g.xR, form.numbered(QStringLiteral("14e")));
    p.fitted(mode.value, false, g.n + g.X(450), g.y7 + g.Y(280), g.before(g.xR), page.text(PrintedBox::Date14),
             CertificatePage::tooLong(PrintedBox::Date14));
    return signedAt;
}

// The four check boxes; the 13a ones are placed across by s, not F.
void checkBoxes(PageCanvas &c, const PageGeometry &g, const CertificatePage &page)
{
    const struct {
        bool ticked;
        float x1, y1, x2, y2;
    } checks[] = {
        {page.ticked(PrintedBox::ApprovedDesign), g.x0 + g.Y(275), g.y5 + g.Y(450), g.x0 + g.Y(475), g.y5 + g.Y(650)},
        {page.ticked(PrintedBox::NonApprovedDesign), g.x0 + g.Y(275), g.y5 + g.Y(750), g.x0 + g.Y(475),
         g.y5 + g.Y(950)},
        {page.ticked(PrintedBox::ReturnToService), g.h + g.X(200), g.y5 + g.Y(290), g.h + g.X(400), g.y5 + g.Y(500)},
        {page.ticked(PrintedBox::OtherRegulation), g.h + g.X(2700), g.y5 + g.Y(290), g.h + g.X(2900), g.y5 + g.Y(500)},
    };
    for (const auto &box : checks) {
        if (box.ticked)
            c.solidBox(box.x1, box.y1, box.x2, box.y2);
        else
            c.box(box.x1, box.y1, box.x2, box.y2);
    }
    c.setFillStyle(PageCanvas::FillStyle::Transparent);
    c.setFillColor(Qt::white);
}

} // namespace

std::optional<QRectF> print(PageWriter &p, const CertificatePage &page)
{
    shading(p.c, p.g, page);
    const QSizeF box = signatureBox(p);
    const std::optional<QRectF> in13 = block13(p, page, box);
    const std::optional<QRectF> in14 = block14(p, page, box);
    checkBoxes(p.c, p.g, page);
    if (in13 && in14)
        return page.block13Applies() ? in13 : in14;
    return in13 ? in13 : in14;
}

} // namespace arc::ReleaseBlocks
