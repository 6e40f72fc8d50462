// The create-skin job on each built-in demo project, checked against its
// input: every visible module becomes one group of the new skin.xml, in the
// pruned skin's order, with its controls moved to where the project placed
// the module (right-hand modules placed from their left-hand twins); every
// control of the modules' live panels reaches the output; and the pictures
// packed for button and visual states show the pixels of their source
// regions in the Tessary image.
#include <QtTest>

#include "app/createskinjob.h"
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"
#include "support/headlessjob.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

#include <cmath>

namespace {

using ElementList = QVector<QDomElement>;

// The control tags of a module's live panel, as the input names them.
const QStringList controltags = {
    "menu", "slider", "square", "logo", "dropzonefake", "cover", "video", "line", "scratch",
    "browser", "grabzone", "songpos", "rhythmzone", "scratchwave", "button", "visual", "textzone"};

// The writers that leave out an element whose add is exactly "no".
const QStringList addfilteringtags = {"menu", "slider", "square", "line", "textzone", "button",
                                      "visual"};

// The state children whose x names a picture of the image sheet.
const QStringList picturestatetags = {"off", "up", "on", "selected", "over", "down",
                                      "downselected", "overselected", "mask"};

QString outputtag(const QString &inputtag)
{
    return inputtag == "dropzonefake" ? QStringLiteral("dropzone") : inputtag;
}

// Rounding to the nearest integer with halves going up, as the writers do.
int roundhalfup(double value)
{
    return int(std::floor(value + 0.5));
}

int integertext(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

float floattext(const QString &text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok ? value : 0.0f;
}

QString cell(const QVector<QString> &row, int column)
{
    return column < row.size() ? row.at(column) : QString();
}

// The controls that the container walk reaches below element, in document
// order: panels and groups marked add="no" are skipped with their subtree,
// decks never are, and the filtering writers skip their own add="no".
void inputcontrols(const QDomElement &element, ElementList &controls)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        const bool markedno = child.attribute("add") == "no";
        if (tag == "panel" || tag == "group") {
            if (!markedno)
                inputcontrols(child, controls);
        } else if (tag == "deck") {
            inputcontrols(child, controls);
        } else if (controltags.contains(tag)) {
            if (!(markedno && addfilteringtags.contains(tag)))
                controls << child;
        }
    }
}

// The controls of a module as written: containers are walked through,
// definitions and tooltips are not controls.
void outputcontrols(const QDomElement &element, ElementList &controls)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == "panel" || tag == "group" || tag == "deck")
            outputcontrols(child, controls);
        else if (controltags.contains(tag) || tag == "dropzone")
            controls << child;
    }
}

// The control's place: its own x and y, or those of its first pos child.
QDomElement placeof(const QDomElement &control)
{
    if (control.hasAttribute("x"))
        return control;
    return control.firstChildElement("pos");
}

// Where one module goes, worked out from its windows row.
struct Placement
{
    float resizeX = 1;
    float resizeY = 1;
    int groupXpos = 0;
    int groupYpos = 0;
};

// One picture state of a button or visual: the region of the Tessary image
// it copies and the factors it is scaled by.
struct PictureState
{
    QRect source;
    float resizeX;
    float resizeY;
    QDomElement output;
};

QString describe(const QRect &rect)
{
    return QString("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

QImage premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Whether the source pixels around point all have one colour, so that any
// way of scaling gives that colour there.
bool flataround(const QImage &image, const QPoint &point)
{
    const QRgb colour = image.pixel(point);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = point + QPoint(dx, dy);
            if (!image.rect().contains(p) || image.pixel(p) != colour)
                return false;
        }
    }
    return true;
}

// One run of the job on a demo project, stopped before the clean-up so that
// the pruned skin and the prepared windows table can be read.
class DemoRun : public HeadlessJob
{
public:
    DemoRun(const QString &project, int screenwidth, int screenheight)
        : HeadlessJob(QStringLiteral("://Resources/Tessary.zip"), QStringLiteral("Demo coverage"),
                      screenwidth, screenheight),
          m_project(project)
    {
    }

    ~DemoRun()
    {
        if (m_job)
            m_job->cleanup();
    }

    CreateSkinJob::Failure run()
    {
        QDomDocument project;
        project.setContent(testsupport::readFile(m_project));
        const QDomElement root = project.documentElement();
        model.skinwidth = root.firstChildElement("screenwidth").text().toInt();
        model.skinheight = root.firstChildElement("screenheight").text().toInt();

        m_job.reset(new CreateSkinJob(model, paths, steps()));
        m_job->makefolders();
        if (!m_job->unpack())
            return CreateSkinJob::Failure::Unpack;
        if (!m_job->readproject(m_project))
            return CreateSkinJob::Failure::Prepare;
        return m_job->build();
    }

    float skinscale() const { return model.screenwidth / float(model.skinwidth); }

    // The host x of a right-hand module, from its twin: the default group's
    // side mirrored or cloned, or a numbered group's block moved by the
    // side's choice and the module within it by the group's own choice.
    int twinx(const QString &name) const
    {
        const bool deck = name.startsWith("D2_");
        const QString twin = QString(name).replace("D2_", "D1_").replace("M2_", "M1_");
        const QVector<QString> twinrow = model.getWindata(twin);
        const int tx = integertext(cell(twinrow, 7));
        const int tw = integertext(cell(twinrow, 9));
        const int sw = model.skinwidth;
        const int half = qRound(sw * 0.5);
        const QString side = deck ? "DECKGROUP" : "MIXERGROUP";
        const bool sideclone = model.isClone(side + "0");
        const QString g = model.groupnumber(twin);
        if (g.isEmpty() || g == "0")
            return sideclone ? tx + half : sw - tx - tw;
        const int cp = deck ? model.deckchildpos(g) : model.mixerchildpos(g);
        const int cw = deck ? model.deckchildwidth(g) : model.mixerchildwidth(g);
        const int block = sideclone ? cp + half : sw - cp - cw;
        return model.isClone(side + g) ? block + (tx - cp) : block + (cp + cw) - (tx + tw);
    }

    Placement placement(const QString &name) const
    {
        QVector<QString> row = model.getWindata(name);
        const bool righthand = name.startsWith("D2_") || name.startsWith("M2_");
        if (righthand) {
            // The right-hand module takes its twin's vertical place, size
            // and factor flag, and an x worked out from the twin's.
            const QVector<QString> twinrow =
                model.getWindata(QString(name).replace("D2_", "D1_").replace("M2_", "M1_"));
            for (int column : {6, 8, 9, 10})
                row.replace(column, cell(twinrow, column));
            row.replace(7, QString::number(twinx(name)));
        }
        const float scale = skinscale();
        Placement place;
        place.resizeX = float(floattext(cell(row, 9)) * scale) / floattext(cell(row, 4));
        place.resizeY = cell(row, 6) == "1"
                            ? float(floattext(cell(row, 10)) * scale) / floattext(cell(row, 5))
                            : place.resizeX;
        place.groupXpos = qRound(integertext(cell(row, 7)) * double(scale));
        place.groupYpos = qRound(integertext(cell(row, 8)) * double(scale));
        return place;
    }

    // The Tessary windows that the project shows, in the skin's order: the
    // windows it records as visible and the right-hand windows whose twin it
    // records as visible; never MENU, and no zone, which is painted instead.
    QStringList expectedmodules() const
    {
        QDomDocument project;
        project.setContent(testsupport::readFile(m_project));
        QSet<QString> shown;
        const QDomElement record =
            project.documentElement().firstChildElement("skinWindows").firstChildElement("window");
        for (QDomElement idx = record.firstChildElement(); !idx.isNull();
             idx = idx.nextSiblingElement()) {
            if (idx.attribute("visible") == "yes")
                shown << idx.tagName().mid(3);
        }
        QDomDocument tessary;
        tessary.setContent(skinzip::entry(paths.sourcezip, "skin.xml"));
        QHash<QString, QString> indexofname;
        const QDomNodeList windows = tessary.elementsByTagName("window");
        for (int i = 0; i < windows.size(); ++i) {
            const QDomElement window = windows.at(i).toElement();
            indexofname.insert(window.attribute("name"), window.attribute("idx"));
        }
        QStringList modules;
        for (int i = 0; i < windows.size(); ++i) {
            const QDomElement window = windows.at(i).toElement();
            const QString name = window.attribute("name");
            const QString twin = QString(name).replace("D2_", "D1_").replace("M2_", "M1_");
            const bool visible = shown.contains(window.attribute("idx"))
                                 || (twin != name && shown.contains(indexofname.value(twin)));
            const bool zone = name.startsWith("GR_ZONE") || name.startsWith("D1_ZONE")
                              || name.startsWith("D2_ZONE");
            if (visible && name != "MENU" && !zone)
                modules << name;
        }
        return modules;
    }

    QDomDocument pruned() const
    {
        QDomDocument document;
        document.setContent(testsupport::readFile(paths.skin + "/skin.xml"));
        return document;
    }

    QImage tessaryimage() const { return QImage(paths.skin + "/skin.png"); }


private:
    QString m_project;
    QScopedPointer<CreateSkinJob> m_job;
};

// The pruned skin's modules that are written as groups.
ElementList writtenmodules(const QDomDocument &pruned)
{
    ElementList modules;
    const QDomNodeList all = pruned.elementsByTagName("groupo");
    for (int i = 0; i < all.size(); ++i) {
        const QDomElement module = all.at(i).toElement();
        const QString name = module.attribute("name");
        if (!name.startsWith("GR_ZONE") && !name.startsWith("D1_ZONE") && !name.startsWith("D2_ZONE"))
            modules << module;
    }
    return modules;
}

// The top-level groups of the output that stand for modules: all but the
// definitions and the system area.
ElementList outputmodules(const QDomDocument &output)
{
    ElementList modules;
    for (QDomElement group = output.documentElement().firstChildElement("group"); !group.isNull();
         group = group.nextSiblingElement("group")) {
        const QString name = group.attribute("name");
        if (name != "defines" && name != "system")
            modules << group;
    }
    return modules;
}

QStringList names(const ElementList &elements)
{
    QStringList list;
    for (const QDomElement &element : elements)
        list << element.attribute("name");
    return list;
}

// The picture states of one button or visual with the source region each
// copies: the region starts at the state's x and y, as large as the
// control's width and height or the last pos or size before the state.
QVector<QPair<QDomElement, QRect>> picturestates(const QDomElement &control)
{
    QVector<QPair<QDomElement, QRect>> states;
    int width = integertext(control.attribute("width"));
    int height = integertext(control.attribute("height"));
    for (QDomElement child = control.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == "pos" || tag == "size") {
            if (child.hasAttribute("width"))
                width = integertext(child.attribute("width"));
            if (child.hasAttribute("height"))
                height = integertext(child.attribute("height"));
        } else if (picturestatetags.contains(tag) && child.hasAttribute("x")) {
            states << qMakePair(child, QRect(integertext(child.attribute("x")),
                                             integertext(child.attribute("y")), width, height));
        }
    }
    return states;
}

ElementList pictureoutputs(const QDomElement &control)
{
    ElementList states;
    for (QDomElement child = control.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (picturestatetags.contains(child.tagName()) && child.hasAttribute("x"))
            states << child;
    }
    return states;
}

} // namespace

class TestDemoCoverage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void demos_data();
    void demos();

private:
    QTemporaryDir m_files;
};

// Demo 1 changed so that the cases the demos leave out are met too: both
// sides cloned as a whole (with one numbered deck group cloned and one
// mirrored within them), and the eight hot cues, the one module with
// squares in its live panel.
void TestDemoCoverage::initTestCase()
{
    QByteArray project = testsupport::readFile("://Resources/Demo 1.xml");
    if (project.isEmpty())
        return;
    project.replace("$TYX_DECKGROUP2_clone=0=1.00000",
                    "$TYX_DECKGROUP0_clone=0=1.00000, $TYX_MIXERGROUP0_clone=0=1.00000");
    project.replace("\t\t</window>",
                    "\t\t\t<idx66 visible=\"yes\" x=\"10\" y=\"480\" width=\"400\" height=\"100\"/>\n"
                    "\t\t</window>");
    QVERIFY(project.contains("DECKGROUP0_clone") && project.contains("idx66"));
    QVERIFY(testsupport::writeFile(m_files.filePath("cloned.xml"), project));
}

void TestDemoCoverage::demos_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<int>("screenwidth");
    QTest::addColumn<int>("screenheight");
    for (const char *demo : {"Demo 1", "Demo 2", "Demo 3"}) {
        const QString project = QString("://Resources/%1.xml").arg(demo);
        QTest::newRow(qPrintable(QString("%1 1920x1080").arg(demo))) << project << 1920 << 1080;
        QTest::newRow(qPrintable(QString("%1 2560x1440").arg(demo))) << project << 2560 << 1440;
        // An 8K desktop: the largest sold, whose sheet is the largest a demo makes.
        QTest::newRow(qPrintable(QString("%1 7680x4320").arg(demo))) << project << 7680 << 4320;
    }
    const QString cloned = m_files.filePath("cloned.xml");
    QTest::newRow("Demo 1 cloned sides 1920x1080") << cloned << 1920 << 1080;
    QTest::newRow("Demo 1 cloned sides 1366x768") << cloned << 1366 << 768;
}

void TestDemoCoverage::demos()
{
    QFETCH(QString, project);
    QFETCH(int, screenwidth);
    QFETCH(int, screenheight);
    if (!QFile::exists(project) || !QFile::exists("://Resources/Tessary.zip"))
        QSKIP("the built-in demo projects or Tessary skin are not there");

    DemoRun run(project, screenwidth, screenheight);
    QCOMPARE(run.run(), CreateSkinJob::Failure::None);

    // Strictly well-formed, beyond what the document parser lets pass.
    const QByteArray text = skinzip::entry(run.paths.targetzip, "skin.xml");
    QXmlStreamReader reader(text);
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(QString("skin.xml line %1: %2")
                                                .arg(reader.lineNumber()).arg(reader.errorString())));

    QDomDocument output;
    QString error;
    int line = 0;
    QVERIFY2(output.setContent(text, &error, &line),
             qPrintable(QString("skin.xml line %1: %2").arg(line).arg(error)));
    QImage sheet;
    QVERIFY(sheet.loadFromData(skinzip::entry(run.paths.targetzip, "skin.png"), "PNG"));
    sheet = premultiplied(sheet);
    const QImage tessary = premultiplied(run.tessaryimage());
    QVERIFY(!tessary.isNull());

    // One group per visible module, in the pruned skin's order.
    const QDomDocument pruned = run.pruned();
    const ElementList inputs = writtenmodules(pruned);
    const ElementList groups = outputmodules(output);
    QCOMPARE(names(inputs), run.expectedmodules());
    QCOMPARE(names(groups), names(inputs));

    QMap<QString, int> inputcounts;
    QMap<QString, int> outputcounts;
    int exactpixels = 0;
    int sampledpixels = 0;
    const float gripfactor = screenheight / 1080.0f;
    for (int m = 0; m < groups.size(); ++m) {
        const QString module = groups.at(m).attribute("name");
        const Placement place = run.placement(module);
        ElementList in;
        inputcontrols(inputs.at(m), in);
        ElementList out;
        outputcontrols(groups.at(m), out);
        for (const QDomElement &control : in)
            ++inputcounts[outputtag(control.tagName())];
        for (const QDomElement &control : out)
            ++outputcounts[control.tagName()];
        QCOMPARE(out.size(), in.size());

        for (int c = 0; c < in.size(); ++c) {
            const QDomElement source = in.at(c);
            const QDomElement written = out.at(c);
            const QString where = QString("%1, control %2 (%3, line %4 of the pruned skin)")
                                      .arg(module).arg(c).arg(source.tagName())
                                      .arg(source.lineNumber());
            QVERIFY2(written.tagName() == outputtag(source.tagName()), qPrintable(where));

            // The control stands where the module's place puts it.
            const QDomElement from = placeof(source);
            const QDomElement to = placeof(written);
            const QString x = from.attribute("x");
            if (!from.isNull() && from.hasAttribute("x") && !x.startsWith("[")) {
                const int expected = roundhalfup(floattext(x) * double(place.resizeX) + place.groupXpos);
                QVERIFY2(to.attribute("x") == QString::number(expected),
                         qPrintable(where + ": x " + to.attribute("x") + ", expected "
                                    + QString::number(expected)));
            }
            const QString y = from.attribute("y");
            if (!from.isNull() && from.hasAttribute("y") && !y.startsWith("[")) {
                const float factor = source.tagName() == "grabzone" ? gripfactor : place.resizeY;
                const int expected = roundhalfup(floattext(y) * double(factor) + place.groupYpos);
                QVERIFY2(to.attribute("y") == QString::number(expected),
                         qPrintable(where + ": y " + to.attribute("y") + ", expected "
                                    + QString::number(expected)));
            }

            if (source.tagName() != "button" && source.tagName() != "visual")
                continue;
            // Each picture state copies its source region into the sheet,
            // scaled by the module's factors.
            const auto states = picturestates(source);
            const ElementList placed = pictureoutputs(written);
            QVERIFY2(placed.size() == states.size(), qPrintable(where));
            for (int s = 0; s < states.size(); ++s) {
                const QRect region = states.at(s).second;
                const QRect packed(integertext(placed.at(s).attribute("x")),
                               integertext(placed.at(s).attribute("y")),
                               roundhalfup(region.width() * double(place.resizeX)),
                               roundhalfup(region.height() * double(place.resizeY)));
                const QString state = where + " " + placed.at(s).tagName() + " " + describe(region)
                                      + " -> " + describe(packed);
                const bool recorded = std::any_of(run.pieces.cbegin(), run.pieces.cend(),
                                                  [&](const PackRecord &piece) {
                    return piece.source == region
                           && QRect(piece.result.value(0), piece.result.value(1),
                                    piece.result.value(2), piece.result.value(3)) == packed;
                });
                QVERIFY2(recorded, qPrintable(state + " was not packed so"));
                QVERIFY2(skinzip::inside(packed, sheet.size()), qPrintable(state));
                if (!tessary.rect().contains(region) || packed.isEmpty())
                    continue;
                if (packed.size() == region.size()) {
                    for (int py = 0; py < region.height(); ++py) {
                        for (int px = 0; px < region.width(); ++px) {
                            const QRgb want = tessary.pixel(region.x() + px, region.y() + py);
                            const QRgb got = sheet.pixel(packed.x() + px, packed.y() + py);
                            if (want != got)
                                QFAIL(qPrintable(state + QString(": pixel %1,%2 is %3, expected %4")
                                                         .arg(px).arg(py).arg(got, 8, 16, QChar('0'))
                                                         .arg(want, 8, 16, QChar('0'))));
                        }
                    }
                    ++exactpixels;
                } else {
                    // Scaled: only where the source is flat is the colour
                    // the same whichever way the picture is scaled.
                    for (int sy = 0; sy < 5; ++sy) {
                        for (int sx = 0; sx < 5; ++sx) {
                            const QPoint at(packed.x() + (packed.width() * (2 * sx + 1)) / 10,
                                            packed.y() + (packed.height() * (2 * sy + 1)) / 10);
                            const QPoint origin(
                                region.x() + int((at.x() - packed.x() + 0.5) * region.width() / packed.width()),
                                region.y() + int((at.y() - packed.y() + 0.5) * region.height() / packed.height()));
                            if (!region.contains(origin) || !flataround(tessary, origin))
                                continue;
                            QVERIFY2(sheet.pixel(at) == tessary.pixel(origin),
                                     qPrintable(state + QString(": sheet %1,%2 differs from source %3,%4")
                                                        .arg(at.x()).arg(at.y()).arg(origin.x())
                                                        .arg(origin.y())));
                            ++sampledpixels;
                        }
                    }
                }
            }
        }
    }
    QCOMPARE(outputcounts, inputcounts);
    // Every demo has buttons with pictures; the comparison above must have
    // looked at some of them.
    QVERIFY(exactpixels + sampledpixels > 0);
}

QTEST_MAIN(TestDemoCoverage)
#include "tst_democoverage.moc"
