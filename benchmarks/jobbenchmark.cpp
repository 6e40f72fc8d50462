// tyx-jobbenchmark [RUNS] [job|parse]: times the create-skin job (RUNS runs
// per input, 5 by default; every figure is the median) without a window, in
// a temporary folder, and the reading of large XML documents; job or parse
// runs only that part.
//
// 1. The largest built-in demo project against the built-in Tessary skin,
//    for a desktop of 1920x1080 and of 3840x2160, phase by phase; and in
//    the same run, on the same output, the floor: the work that no job can
//    avoid (one decode of the Tessary skin.png, one encode of the written
//    skin.png and mypreview.png with the settings the job uses, one zip of
//    the three files).
// 2. Heavier inputs made here, at 1920x1080, on two axes: the demo with
//    every module's controls repeated k times (their pictures in a skin.png
//    k times as tall), and the stand-in skin with more and more windows
//    shown and every deck and mixer module in a numbered group.
//
// 3. The parse of a generated document of 8 MB and of 32 MB (fileio::parsexml,
//    as every XML file is read) with CR LF line ends, as the Tessary skin
//    has them, and with LF ones for comparison: line ends must cost time in
//    proportion to the document, like everything else the parse does.
//
// The last lines of the job part are one "ratio WxH R" per desktop (job /
// floor) and "growth G": on each axis the time per packed piece at the
// largest input over that at the smallest; G is the larger of the two. The
// parse part ends with "line ends L" (CR LF time over LF time at the larger
// size) and "parse growth P" (CR LF time per megabyte at the larger size
// over that at the smaller).
#include "app/createskinjob.h"
#include "colours/colourscheme.h"
#include "fileio/fileio.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"

#include <JlCompress.h>
#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSize>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <functional>
#include <limits>

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

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

double millisecondsof(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

QByteArray readbytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writebytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray zipentry(const QString &zippath, const QString &name)
{
    QuaZip zip(zippath);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return QByteArray();
    QuaZipFile file(&zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The number of windows a project shows.
int shownwindows(const QString &project)
{
    QDomDocument document;
    if (!document.setContent(readbytes(project)))
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

// -- Heavier inputs --

// The Tessary skin's document and image, unpacked.
struct TessarySkin
{
    QDomDocument document;
    QImage image;
    QByteArray preview;
};

bool readtessary(const QString &zippath, TessarySkin *skin)
{
    skin->preview = zipentry(zippath, QStringLiteral("preview.png"));
    return skin->document.setContent(zipentry(zippath, QStringLiteral("skin.xml")))
           && skin->image.loadFromData(zipentry(zippath, QStringLiteral("skin.png")), "PNG");
}

bool writetessary(const TessarySkin &skin, const QString &folder, const QString &zippath)
{
    QDir().mkpath(folder);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return skin.image.save(&buffer, "PNG")
           && writebytes(folder + QStringLiteral("/skin.png"), png)
           && writebytes(folder + QStringLiteral("/skin.xml"), skin.document.toByteArray(1))
           && writebytes(folder + QStringLiteral("/preview.png"), skin.preview)
           && JlCompress::compressDir(zippath, folder, false);
}

// Moves every picture region below element (itself included) down by dy.
void shiftpictures(QDomElement element, int dy)
{
    static const QStringList picturetags = {
        "off", "up", "on", "selected", "over", "down", "downselected", "overselected",
        "background", "mask", "clipmask"};
    if (picturetags.contains(element.tagName()) && element.hasAttribute(QStringLiteral("x"))
        && element.hasAttribute(QStringLiteral("y")))
        element.setAttribute(QStringLiteral("y"), element.attribute(QStringLiteral("y")).toInt() + dy);
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        shiftpictures(child, dy);
}

// The Tessary skin with every control of every module's live panel
// repeated k times; copy i shows its own pictures, taken from the i-th
// copy of the original image stacked below it.
QString makerepeatedcontrols(const QString &folder, int k)
{
    TessarySkin skin;
    if (!readtessary(tessaryzip, &skin))
        return QString();
    const int height = skin.image.height();
    QImage stacked(skin.image.width(), height * k, QImage::Format_ARGB32);
    stacked.fill(Qt::transparent);
    {
        QPainter painter(&stacked);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (int i = 0; i < k; ++i)
            painter.drawImage(0, i * height, skin.image);
    }
    skin.image = stacked;

    const QDomNodeList windows = skin.document.elementsByTagName(QStringLiteral("window"));
    for (int w = 0; w < windows.size(); ++w) {
        for (QDomElement panel = windows.at(w).firstChildElement(QStringLiteral("panel"));
             !panel.isNull(); panel = panel.nextSiblingElement(QStringLiteral("panel"))) {
            if (panel.attribute(QStringLiteral("add")) != QLatin1String("yes"))
                continue;
            QVector<QDomElement> controls;
            for (QDomElement c = panel.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
                controls << c;
            for (int i = 1; i < k; ++i) {
                for (const QDomElement &control : controls) {
                    QDomElement copy = control.cloneNode(true).toElement();
                    shiftpictures(copy, i * height);
                    panel.appendChild(copy);
                }
            }
        }
    }
    const QString zippath = folder + QStringLiteral("/repeated%1.zip").arg(k);
    return writetessary(skin, folder + QStringLiteral("/repeated%1").arg(k), zippath) ? zippath : QString();
}

// A project that shows about count windows of the stand-in skin, spread
// over the whole skin and always with both twins of a pair, with every
// deck and mixer module in one of four numbered groups (the first two of
// each side cloned).
QString makeshownproject(const QString &folder, int count)
{
    TessarySkin skin;
    if (!readtessary(tessaryzip, &skin))
        return QString();
    const QDomNodeList windows = skin.document.elementsByTagName(QStringLiteral("window"));
    const int total = windows.size();
    QVector<QString> names;
    for (int i = 0; i < total; ++i)
        names << windows.at(i).toElement().attribute(QStringLiteral("name"));
    auto twinof = [](QString name) {
        for (const auto &pair : {std::make_pair("D1_", "D2_"), std::make_pair("M1_", "M2_")}) {
            if (name.startsWith(QLatin1String(pair.first)))
                return name.replace(0, 3, QLatin1String(pair.second));
            if (name.startsWith(QLatin1String(pair.second)))
                return name.replace(0, 3, QLatin1String(pair.first));
        }
        return QString();
    };
    // An even spread of picks, each with its twin, growing until count.
    QVector<bool> shown;
    for (int picks = 1; picks <= total; ++picks) {
        shown.fill(false, total);
        for (int i = 0; i < total; ++i)
            shown[i] = (qint64(i + 1) * picks) / total > (qint64(i) * picks) / total;
        for (int i = 0; i < total; ++i) {
            const int twin = names.indexOf(twinof(names.at(i)));
            if (shown.at(i) && twin >= 0)
                shown[twin] = true;
        }
        if (shown.count(true) >= count)
            break;
    }

    QStringList variables;
    for (int i = 0; i < total; ++i) {
        const QString &name = names.at(i);
        if (name.startsWith(QLatin1String("D1_")) || name.startsWith(QLatin1String("M1_")))
            variables << QStringLiteral("$TYX_%1=0=%2.00000").arg(name.mid(3)).arg(1 + i % 4);
    }
    for (const char *side : {"DECKGROUP", "MIXERGROUP"}) {
        for (int group = 1; group <= 2; ++group)
            variables << QStringLiteral("$TYX_%1%2_clone=0=1.00000").arg(QLatin1String(side)).arg(group);
    }

    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<project name=\"Shown " << count << "\">\n"
        << "\t<screenwidth>1920</screenwidth>\n\t<screenheight>1080</screenheight>\n"
        << "\t<QRNScriptGlobalVariables>" << variables.join(QStringLiteral(", "))
        << "</QRNScriptGlobalVariables>\n\t<skinWindows>\n\t\t<window name=\"Tessary:skin\">\n";
    int placed = 0;
    for (int i = 0; i < total; ++i) {
        if (!shown.at(i))
            continue;
        const QDomElement window = windows.at(i).toElement();
        out << "\t\t\t<idx" << i + 1 << " visible=\"yes\" x=\"" << (placed % 12) * 150 << "\" y=\""
            << 60 + (placed / 12) * 45 % 900 << "\" width=\"" << window.attribute(QStringLiteral("width"))
            << "\" height=\"" << window.attribute(QStringLiteral("height")) << "\"/>\n";
        ++placed;
    }
    out << "\t\t</window>\n\t</skinWindows>\n</project>\n";
    out.flush();
    const QString path = folder + QStringLiteral("/shown%1.xml").arg(count);
    return writebytes(path, text.toUtf8()) ? path : QString();
}

// -- Running the job --

struct Input
{
    QString label;
    QString zip;
    QString project;
};

struct RunResult
{
    bool ok = false;
    Timings timings;
    int pieces = 0;
    // The new skin's files, when asked for.
    QByteArray document;
    QByteArray sheet;
    QByteArray preview;
};

// One whole job after its checks, each phase timed up to the start of the
// next one.
RunResult runjob(const Input &input, const QSize &screen, bool keepoutput)
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
    model.initzones(input.project);   // the project's own screen size
    ColourScheme colours;
    colours.loadcolorprofile(QStringLiteral("://Resources/default.tycp"));
    SkinWriter writer(model, colours);
    writer.skinname = QStringLiteral("Benchmark");
    writer.packrecorder = [&result](const PackRecord &) { ++result.pieces; };

    const SkinJobPaths paths(model.workdir, base.filePath(QStringLiteral("host")), model.tyname,
                             writer.skinname);
    QDir().mkpath(base.filePath(QStringLiteral("host/Skins")));
    if (!QFile::copy(input.zip, paths.sourcezip))
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
    bool ok = job.unpack() && job.readproject(input.project);
    ok = ok && job.build() == CreateSkinJob::Failure::None;
    job.cleanup();
    endphase();
    result.ok = ok;
    if (ok && keepoutput) {
        result.document = zipentry(paths.targetzip, QStringLiteral("skin.xml"));
        result.sheet = zipentry(paths.targetzip, QStringLiteral("skin.png"));
        result.preview = zipentry(paths.targetzip, QStringLiteral("mypreview.png"));
    }
    return result;
}

double total(const Timings &timings)
{
    double sum = 0;
    for (const double time : timings)
        sum += time;
    return sum;
}

// -- The floor --

enum class FloorStep { Decode, EncodeSheet, EncodePreview, Zip };

const QVector<QPair<FloorStep, QString>> &floorsteps()
{
    static const QVector<QPair<FloorStep, QString>> all = {
        {FloorStep::Decode, QStringLiteral("decode source")},
        {FloorStep::EncodeSheet, QStringLiteral("encode sheet")},
        {FloorStep::EncodePreview, QStringLiteral("encode preview")},
        {FloorStep::Zip, QStringLiteral("zip")}};
    return all;
}

QByteArray encodepng(const QImage &image, int quality)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", quality);
    return png;
}

// The unavoidable work of one job, on the files that job wrote.
QMap<FloorStep, double> floorof(const RunResult &output, const QByteArray &sourcepng)
{
    QMap<FloorStep, double> times;
    QImage source;
    times[FloorStep::Decode] = millisecondsof([&] { source.loadFromData(sourcepng, "PNG"); });
    QImage sheet;
    QImage preview;
    sheet.loadFromData(output.sheet, "PNG");
    preview.loadFromData(output.preview, "PNG");
    QByteArray sheetpng;
    QByteArray previewpng;
    // The job's settings: the sheet at the default, the preview at quality 100.
    times[FloorStep::EncodeSheet] = millisecondsof([&] { sheetpng = encodepng(sheet, -1); });
    times[FloorStep::EncodePreview] = millisecondsof([&] { previewpng = encodepng(preview, 100); });

    QTemporaryDir folder;
    times[FloorStep::Zip] = millisecondsof([&] {
        QuaZip zip(folder.filePath(QStringLiteral("floor.zip")));
        zip.open(QuaZip::mdCreate);
        const QVector<QPair<QString, QByteArray>> files = {
            {QStringLiteral("mypreview.png"), previewpng},
            {QStringLiteral("skin.png"), sheetpng},
            {QStringLiteral("skin.xml"), output.document}};
        for (const auto &file : files) {
            QuaZipFile entry(&zip);
            entry.open(QIODevice::WriteOnly, QuaZipNewInfo(file.first));
            entry.write(file.second);
            entry.close();
        }
        zip.close();
    });
    return times;
}

// -- Reading XML --

// A flat document of about megabytes MB, laid out in short lines ending in
// lineend, each an element with an attribute and text: the more line ends
// per byte, the more their handling shows.
QByteArray linesdocument(int megabytes, const QByteArray &lineend)
{
    const qint64 size = qint64(megabytes) * 1024 * 1024;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + lineend + "<skin>" + lineend;
    xml.reserve(int(size + 1024));
    for (int n = 0; xml.size() < size; ++n)
        xml += "\t<line n=\"" + QByteArray::number(n) + "\">" + QByteArray::number(n) + "</line>" + lineend;
    return xml + "</skin>" + lineend;
}

// The time the parse of xml takes, without freeing the tree it built. The
// documents are larger than any the tool takes, to show how the time
// grows: no bound on their nodes.
double parsemilliseconds(const QByteArray &xml, bool *parsed)
{
    QDomDocument document;
    const fileio::XmlLimits unbounded{xml.size(), std::numeric_limits<int>::max()};
    return millisecondsof([&] { *parsed = bool(fileio::parsexml(&document, xml, false, unbounded)); });
}

// -- Printing --

void row(QTextStream &out, const QString &label, const QStringList &cells)
{
    out << label.leftJustified(16);
    for (const QString &cell : cells)
        out << cell.rightJustified(12);
    out << "\n";
}

QString ms(double value)
{
    return QString::number(value, 'f', 1);
}

// Parts 1 and 2: the create-skin job.
bool benchmarkjob(int runs, QTextStream &out, QTextStream &err)
{
    const QString project = largestdemo();
    if (!QFile::exists(tessaryzip) || project.isEmpty()) {
        err << "the built-in Tessary skin or demo projects are missing\n";
        return false;
    }
    QTemporaryDir inputs;
    const Input demo{project.mid(project.lastIndexOf('/') + 1), tessaryzip, project};

    // 1. The demo, phase by phase, against the floor.
    const QVector<QSize> screens = {QSize(1920, 1080), QSize(3840, 2160)};
    const QByteArray sourcepng = zipentry(tessaryzip, QStringLiteral("skin.png"));
    QVector<QMap<Phase, QVector<double>>> samples(screens.size());
    QVector<QMap<FloorStep, QVector<double>>> floorsamples(screens.size());
    QVector<QVector<double>> jobtotals(screens.size());
    QVector<QVector<double>> floortotals(screens.size());
    QVector<int> pieces(screens.size());
    for (int s = 0; s < screens.size(); ++s) {
        for (int r = 0; r < runs; ++r) {
            const RunResult result = runjob(demo, screens.at(s), true);
            if (!result.ok) {
                err << "the job failed at " << screens.at(s).width() << "x" << screens.at(s).height() << "\n";
                return false;
            }
            for (const Phase phase : phases())
                samples[s][phase] << result.timings.value(phase);
            jobtotals[s] << total(result.timings);
            pieces[s] = result.pieces;
            const QMap<FloorStep, double> floor = floorof(result, sourcepng);
            double floorsum = 0;
            for (auto step = floor.cbegin(); step != floor.cend(); ++step) {
                floorsamples[s][step.key()] << step.value();
                floorsum += step.value();
            }
            floortotals[s] << floorsum;
        }
    }

    out << "Create-skin job on " << demo.label << " (" << shownwindows(project)
        << " windows shown), median of " << runs << " runs, in ms\n";
    QStringList sizes;
    for (const QSize &screen : screens)
        sizes << QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
    row(out, QStringLiteral("phase"), sizes);
    for (const Phase phase : phases()) {
        QStringList cells;
        for (int s = 0; s < screens.size(); ++s)
            cells << ms(median(samples[s][phase]));
        row(out, CreateSkinJob::phasename(phase), cells);
    }
    QStringList cells;
    for (int s = 0; s < screens.size(); ++s)
        cells << ms(median(jobtotals[s]));
    row(out, QStringLiteral("total"), cells);
    cells.clear();
    for (const int count : pieces)
        cells << QString::number(count);
    row(out, QStringLiteral("packed pieces"), cells);
    out << "Floor on the same output\n";
    for (const auto &step : floorsteps()) {
        cells.clear();
        for (int s = 0; s < screens.size(); ++s)
            cells << ms(median(floorsamples[s][step.first]));
        row(out, step.second, cells);
    }
    cells.clear();
    for (int s = 0; s < screens.size(); ++s)
        cells << ms(median(floortotals[s]));
    row(out, QStringLiteral("floor total"), cells);
    out.flush();

    // 2. Growth on the two axes, at 1920x1080.
    struct Axis
    {
        QString name;
        QVector<Input> inputs;
    };
    QVector<Axis> axes(2);
    axes[0].name = QStringLiteral("controls repeated k times");
    for (const int k : {1, 4, 16})
        axes[0].inputs << Input{QStringLiteral("k = %1").arg(k), makerepeatedcontrols(inputs.path(), k), project};
    axes[1].name = QStringLiteral("windows shown, all grouped");
    for (const int count : {30, 120, 238}) {
        const QString shown = makeshownproject(inputs.path(), count);
        axes[1].inputs << Input{QStringLiteral("%1 shown").arg(shownwindows(shown)), tessaryzip, shown};
    }
    double growth = 0;
    for (const Axis &axis : axes) {
        out << "Axis: " << axis.name << ", 1920x1080, median of " << runs << " runs\n";
        row(out, QStringLiteral("input"), {QStringLiteral("total ms"), QStringLiteral("pieces"),
                                           QStringLiteral("ms/piece")});
        QVector<double> perpiece;
        for (const Input &input : axis.inputs) {
            if (input.zip.isEmpty() || input.project.isEmpty()) {
                err << "could not make the input " << input.label << "\n";
                return false;
            }
            QVector<double> totals;
            int count = 0;
            for (int r = 0; r < runs; ++r) {
                const RunResult result = runjob(input, screens.first(), false);
                if (!result.ok) {
                    err << "the job failed on " << input.label << "\n";
                    return false;
                }
                totals << total(result.timings);
                count = result.pieces;
            }
            const double time = median(totals);
            perpiece << time / std::max(count, 1);
            row(out, input.label, {ms(time), QString::number(count), QString::number(perpiece.last(), 'f', 2)});
            out.flush();
        }
        growth = std::max(growth, perpiece.last() / perpiece.first());
    }

    for (int s = 0; s < screens.size(); ++s)
        out << "ratio " << sizes.at(s) << " "
            << QString::number(median(jobtotals[s]) / median(floortotals[s]), 'f', 2) << "\n";
    out << "growth " << QString::number(growth, 'f', 2) << "\n";
    return true;
}

// Part 3: the parse of large documents, by line ends and size.
bool benchmarkparse(int runs, QTextStream &out, QTextStream &err)
{
    const QVector<int> sizes = {8, 32};
    const QVector<QPair<QString, QByteArray>> lineends = {{QStringLiteral("LF"), QByteArrayLiteral("\n")},
                                                         {QStringLiteral("CR LF"), QByteArrayLiteral("\r\n")}};
    out << "Parse of a generated document (fileio::parsexml), median of " << runs << " runs\n";
    QStringList header;
    for (const int size : sizes)
        header << QStringLiteral("%1 MB ms").arg(size);
    row(out, QStringLiteral("document"), header);
    QMap<QString, QVector<double>> medians;
    for (const auto &lineend : lineends) {
        QStringList cells;
        for (const int size : sizes) {
            const QByteArray xml = linesdocument(size, lineend.second);
            QVector<double> times;
            for (int r = 0; r < runs; ++r) {
                bool parsed = false;
                times << parsemilliseconds(xml, &parsed);
                if (!parsed) {
                    err << "the " << size << " MB document with " << lineend.first << " did not parse\n";
                    return false;
                }
            }
            medians[lineend.first] << median(times);
            cells << ms(medians[lineend.first].last());
        }
        row(out, lineend.first, cells);
        out.flush();
    }
    const QVector<double> &crlf = medians.value(QStringLiteral("CR LF"));
    const QVector<double> &lf = medians.value(QStringLiteral("LF"));
    out << "line ends " << QString::number(crlf.last() / lf.last(), 'f', 2) << "\n";
    out << "parse growth "
        << QString::number((crlf.last() / sizes.last()) / (crlf.first() / sizes.first()), 'f', 2) << "\n";
    return true;
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

    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    const QString part = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (runs < 1 || argc > 3 || !(part.isEmpty() || part == "job" || part == "parse")) {
        err << "usage: tyx-jobbenchmark [RUNS] [job|parse]\n";
        return 2;
    }
    if (part != "parse" && !benchmarkjob(runs, out, err))
        return 1;
    if (part != "job" && !benchmarkparse(runs, out, err))
        return 1;
    return 0;
}
