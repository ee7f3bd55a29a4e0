#pragma once

#include "CertificatePage.h"
#include "PrintMode.h"

#include <QImage>
#include <QPainter>

// A certificate with every block filled, as a signed new part would be.
inline arc::CertificatePage fullCertificate()
{
    arc::CertificatePage p;
    p.country = "FAA/United States";
    p.tracking = "ARC-000123";
    p.organ1 = "Velloran Aero Components\r\n1200 Airport Road\r\nWichita, KS 67209";
    p.organ2 = "FAA Repair Station VA2R123K";
    p.invoice = "WO 4471 / INV 88120";
    p.lines[0] = {"1", "FUEL PUMP ASSEMBLY", "PN 2204-118-3", "2", "SN 1001, SN 1002", "NEW", {}};
    p.lines[1] = {"2", "GASKET", "PN 77-45", "10", "BATCH B-17", "NEW", {}};
    p.remarks = "Manufactured under PMA Q1234CE.\r\nCertified in accordance with the approved design data.";
    p.approvedDesign = true;
    p.authNum = "DMIR-445-CE";
    p.name17 = "Jane Doe";
    p.date18 = "05/Dec/2026";
    p.certNum = "VA2R123K";
    p.settings.shade = true;
    QImage sig(300, 100, QImage::Format_RGB32);
    sig.fill(Qt::white);
    QPainter painter(&sig);
    painter.setPen(QPen(Qt::blue, 4));
    painter.drawLine(10, 80, 290, 20);
    painter.end();
    p.signature = sig;
    return p;
}

// The factors of a mode, as the layout tables give them.
struct ModeFactors {
    float F, s;
};
inline ModeFactors factors(arc::PrintMode::Name name)
{
    switch (name) {
    case arc::PrintMode::Name::P0: return {1.1f, 1.0f};
    case arc::PrintMode::Name::P1: return {1.05f, 1.0f};
    case arc::PrintMode::Name::LS: return {1.31f, 1.2f};
    }
    return {1.1f, 1.0f};
}

#include "PrintCertificate.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

// A page drawn on a recording canvas, with the titles of its cut cells.
struct RecordedPage {
    arc::RecordingCanvas canvas;
    arc::PrintResult result;
    QStringList notices;

    using Op = arc::RecordingCanvas::Op;
    using Kind = Op::Kind;

    explicit RecordedPage(const arc::CertificatePage &page)
    {
        result = arc::printCertificate(canvas, page, [this](const QString &title) { notices << title; });
    }

    // The one printed text equal to `text`.
    Op text(const QString &text) const
    {
        const QList<Op> found = canvas.texts(text);
        EXPECT_EQ(found.size(), 1) << "text: " << text.toStdString();
        return found.isEmpty() ? Op(Kind::Text) : found.first();
    }

    // Width of a text in a font the page uses.
    static double width(const QString &text, double size, bool bold)
    {
        arc::RecordingCanvas c;
        c.setFontSize(size);
        c.setFontBold(bold);
        return c.textWidth(text);
    }
    static double lineHeight(double size, bool bold)
    {
        arc::RecordingCanvas c;
        c.setFontSize(size);
        c.setFontBold(bold);
        return c.lineHeight();
    }
};

constexpr double kTol = 0.01; // twips

#define EXPECT_AT(op, x, y)                 \
    do {                                    \
        EXPECT_NEAR((op).x1, (x), kTol);    \
        EXPECT_NEAR((op).y1, (y), kTol);    \
    } while (0)
