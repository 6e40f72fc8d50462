// tyx-jobbenchmark [RUNS]: times the create-skin job on the largest
// built-in demo project against the built-in Tessary skin, for a desktop of
// 1920x1080 and of 3840x2160, and prints the median time of each phase over
// RUNS runs (3 by default). Runs without a window, in a temporary folder.
#include "app/createskinjob.h"
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QSize>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>

#include <algorithm>

namespace {

using Phase = CreateSkinJob::Phase;
using Timings = QMap<Phase, double>;   // milliseconds

const QString tessaryzip = QStringLiteral("://Resources/Tessary.zip");

const QVector<Phase> &phases()
{
    static const QVector<Phase> all = {Phase::Unpack, Phase::ReadProject, Phase::MoveFiles,
                                       Phase::StartSheet, Phase::Prune, Phase::WriteDocument,
                                       Phase::Preview, Phase::Pack, Phase::CleanUp};
    return all;
}

// The number of windows a project shows.
int shownwindows(const QString &project)
{
    QFile file(project);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return -1;
    const QDomElement record = document.elementsByTagName(QStringLiteral("skinWindows")).item(0).toElement();
    int shown = 0;
    for (QDomElement window = record.firstChildElement(); !window.isNull();
         window = window.nextSiblingElement()) {
        for (QDomElement place = window.firstChildElement(); !place.isNull();
             place = place.nextSiblingElement())
            shown += place.attribute(QStringLiteral("visible")) == QLatin1String("yes");
    }
    return shown;
}

QString largestdemo()
{
    QString largest;
    int most = -1;
    for (int n = 1; n <= 3; ++n) {
        const QString project = QStringLiteral("://Resources/Demo %1.xml").arg(n);
        const int shown = shownwindows(project);
        if (shown > most) {
            most = shown;
            largest = project;
        }
    }
    return largest;
}

struct RunResult
{
    bool ok = false;
    Timings timings;
    int pieces = 0;
};

// One whole job after its checks, each phase timed up to the start of the
// next one.
RunResult runjob(const QString &project, const QSize &screen)
{
    RunResult result;
    QTemporaryDir base;
    if (!base.isValid())
        return result;
    SkinModel model;
    model.workdir = base.filePath(QStringLiteral("TYX"));
    model.tyname = QStringLiteral("Tessary");
    model.screenwidth = screen.width();
    model.screenheight = screen.height();
    model.initzones(project);   // the project's own screen size
    ColourScheme colours;
    colours.loadcolorprofile(QStringLiteral("://Resources/default.tycp"));
    SkinWriter writer(model, colours);
    writer.skinname = QStringLiteral("Benchmark");
    writer.packrecorder = [&result](const PackRecord &) { ++result.pieces; };

    const SkinJobPaths paths(model.workdir, base.filePath(QStringLiteral("host")), model.tyname,
                             writer.skinname);
    QDir().mkpath(base.filePath(QStringLiteral("host/Skins")));
    if (!QFile::copy(tessaryzip, paths.sourcezip))
        return result;

    CreateSkinJob job(model, paths,
                      {[&writer] { writer.createpng(); }, [&writer] { return writer.createxml(); },
                       [&writer](const QString &path) { return writer.editpreview(path); }});
    QElapsedTimer clock;
    Phase current = Phase::Unpack;
    auto endphase = [&] { result.timings[current] += clock.nsecsElapsed() / 1e6; };
    job.phasestarted = [&](Phase phase) {
        if (clock.isValid())
            endphase();
        current = phase;
        clock.start();
    };

    job.makefolders();
    bool ok = job.unpack() && job.readproject(project);
    ok = ok && job.build() == CreateSkinJob::Failure::None;
    job.cleanup();
    endphase();
    result.ok = ok;
    return result;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 3;
    if (runs < 1) {
        err << "usage: tyx-jobbenchmark [RUNS]\n";
        return 2;
    }
    const QString project = largestdemo();
    if (!QFile::exists(tessaryzip) || project.isEmpty()) {
        err << "the built-in Tessary skin or demo projects are missing\n";
        return 1;
    }

    const QVector<QSize> screens = {QSize(1920, 1080), QSize(3840, 2160)};
    QVector<QMap<Phase, QVector<double>>> samples(screens.size());
    QVector<int> pieces(screens.size());
    for (int s = 0; s < screens.size(); ++s) {
        for (int r = 0; r < runs; ++r) {
            const RunResult result = runjob(project, screens.at(s));
            if (!result.ok) {
                err << "the job failed at " << screens.at(s).width() << "x" << screens.at(s).height() << "\n";
                return 1;
            }
            for (const Phase phase : phases())
                samples[s][phase] << result.timings.value(phase);
            pieces[s] = result.pieces;
        }
    }

    out << "Create-skin job on " << project.mid(project.lastIndexOf('/') + 1) << " ("
        << shownwindows(project) << " windows shown), median of " << runs << " runs, in ms\n";
    auto row = [&out](const QString &label, const QStringList &cells) {
        out << label.leftJustified(16);
        for (const QString &cell : cells)
            out << cell.rightJustified(12);
        out << "\n";
    };
    QStringList sizes;
    for (const QSize &screen : screens)
        sizes << QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
    row(QStringLiteral("phase"), sizes);
    QVector<double> totals(screens.size(), 0);
    for (const Phase phase : phases()) {
        QStringList cells;
        for (int s = 0; s < screens.size(); ++s) {
            const double time = median(samples[s][phase]);
            totals[s] += time;
            cells << QString::number(time, 'f', 1);
        }
        row(CreateSkinJob::phasename(phase), cells);
    }
    QStringList totalcells;
    for (const double total : totals)
        totalcells << QString::number(total, 'f', 1);
    row(QStringLiteral("total"), totalcells);
    QStringList piececells;
    for (const int count : pieces)
        piececells << QString::number(count);
    row(QStringLiteral("packed pieces"), piececells);
    return 0;
}
