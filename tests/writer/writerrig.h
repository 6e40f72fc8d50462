#pragma once
// A skin writer over its own model and colours, with helpers that write
// small DOM fixtures. Shared by the writer tests.
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"

#include <QDomDocument>
#include <QStringList>

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
