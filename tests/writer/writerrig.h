#pragma once
// A skin writer over its own model and colours, with helpers that write
// small DOM fixtures. Shared by the writer tests.
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"

#include <QDomDocument>
#include <QStringList>
#include <QVector>

struct WriterRig
{
    SkinModel model;
    ColourScheme colours;
    SkinWriter writer{model, colours};
    QStringList progresstexts;

    WriterRig()
    {
        model.screenwidth = 1920;
        model.screenheight = 1080;
        model.skinwidth = 1920;
        writer.progress = [this](const QString &text, bool processevents) {
            progresstexts << text + (processevents ? QStringLiteral(" +events") : QString());
        };
    }

    // The document element of xml; the document lives as long as the rig.
    QDomElement parse(const QString &xml)
    {
        QDomDocument document;
        document.setContent(xml);
        documents << document;
        return document.documentElement();
    }

    QString text() const { return writer.document().text(); }

    QList<QDomDocument> documents;
};

// A rig whose packer is recorded, over a started black sheet: the first
// piece lands at (5, sheetheight + 5), so at (5, 105) by default, and the
// next ones beside it.
struct PackingRig : WriterRig
{
    QVector<PackRecord> records;

    explicit PackingRig(int sheetwidth = 200, int sheetheight = 100)
    {
        writer.sheet().start(sheetwidth, sheetheight, Qt::black);
        writer.packrecorder = [this](const PackRecord &record) { records.append(record); };
    }

    // Each packed piece as "x y width height x factorX factorY": the region
    // of the source image and the factors it was packed with.
    QStringList packs() const
    {
        QStringList texts;
        for (const PackRecord &record : records) {
            texts << QStringLiteral("%1 %2 %3 %4 x %5 %6")
                         .arg(record.source.x()).arg(record.source.y())
                         .arg(record.source.width()).arg(record.source.height())
                         .arg(record.resizefactorX).arg(record.resizefactorY);
        }
        return texts;
    }
};

// The lines of content, each ended by a line feed.
inline QString lines(const QStringList &content)
{
    return content.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
