#pragma once
// The create-skin job without a window: a work folder and a host folder in a
// temporary folder, the built-in default colours, and a writer that records
// every piece it packs. Header-only, as only programs that link the app use it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>

#include "app/createskinjob.h"
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"

struct HeadlessJob
{
    HeadlessJob(const QString &tessaryzip, const QString &skinname, int screenwidth, int screenheight)
        : paths{base.filePath("TYX"), base.filePath("host"), "Tessary", skinname}
    {
        model.workdir = base.filePath("TYX");
        model.tyname = QStringLiteral("Tessary");
        model.screenwidth = screenwidth;
        model.screenheight = screenheight;
        colours.loadcolorprofile(QStringLiteral("://Resources/default.tycp"));
        QDir().mkpath(base.filePath("host/Skins"));
        QFile::copy(tessaryzip, paths.sourcezip);
        writer.skinname = skinname;
        writer.packrecorder = [this](const PackRecord &record) { pieces << record; };
    }

    // The writer's three steps, as the job calls them.
    CreateSkinJob::Writer steps()
    {
        return {[this] { writer.createpng(); }, [this] { return writer.createxml(); },
                [this](const QString &path) { return writer.editpreview(path); },
                [this] { return writer.problem(); }, [this] { return writer.problemsize(); },
                [this] { return writer.writeproblem(); }};
    }

    QTemporaryDir base;
    SkinModel model;
    ColourScheme colours;
    SkinJobPaths paths;
    SkinWriter writer{model, colours};
    QVector<PackRecord> pieces;
};
