#pragma once
// Writes the three files of a new skin into workdir + "/toexport": the
// document skin.xml, the image sheet skin.png and the preview mypreview.png.
// The create-skin job calls createpng(), then (after pruning the skin)
// createxml(), then editpreview(). The document and the sheet are built in
// memory and written once, complete, at the end of createxml().
//
// The writer works on the skin model's tables and the user's colours; the
// main window owns both and hands them in, together with the few things of
// its form that the writers read (the skin name and two options), and a
// progress function that shows a text under the job's status line.
#include "elementwriter.h"
#include "imagesheet.h"
#include "outputdocument.h"
#include "picturebounds.h"

#include <QDomNode>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>

class ColourScheme;
class SkinModel;

// Which browser icons the new skin carries (the "Select the Browser Icons"
// radio buttons).
enum class IconOption { Default, Alternative, White };

// Which browser definition the browser element names (the browser colour
// radio buttons).
enum class BrowserOption { Default, Dark, White };

class SkinWriter;

// One row of the element dispatcher: the writer for an input tag and how it
// is called. A row whose writer is empty drops the element.
struct DispatchRow
{
    enum Arguments {
        AllSix,         // node, level, resizeX, resizeY, groupXpos, groupYpos
        ScreenHeightY,  // the same, with screenheight / 1080 as resizeY
        NodeLevel       // node and level only: nothing of it is scaled
    };
    using PlacedWriter = std::function<void(SkinWriter &, QDomNode, int, float, float, int, int)>;
    using UnplacedWriter = std::function<void(SkinWriter &, QDomNode, int)>;

    DispatchRow(const char *tagname, Arguments arguments, PlacedWriter writer)
        : tag(QLatin1String(tagname)), args(arguments), placed(std::move(writer)) {}
    DispatchRow(const char *tagname, UnplacedWriter writer)
        : tag(QLatin1String(tagname)), args(NodeLevel), unplaced(std::move(writer)) {}

    QString tag;
    Arguments args;
    PlacedWriter placed;
    UnplacedWriter unplaced;

    bool haswriter() const { return args == NodeLevel ? bool(unplaced) : bool(placed); }
};

// The full dispatch table, in the order in which tags are compared.
const QVector<DispatchRow> &defaultdispatchtable();

// One call of mergepics, as a test or a benchmark can record it.
struct PackRecord
{
    QRect source;           // the region of the source image
    float resizefactorX;
    float resizefactorY;
    QList<int> result;      // x, y, width, height in the sheet
};

class SkinWriter
{
public:
    using Progress = std::function<void(const QString &text, bool processevents)>;

    SkinWriter(SkinModel &model, const ColourScheme &colours);

    // What the main window's form says, read by the writers as they run.
    QString skinname;
    IconOption icons = IconOption::Default;
    BrowserOption browser = BrowserOption::Default;
    // Shows a progress text; with processevents, lets pending events run once.
    Progress progress;
    // Told of every packed piece when set.
    std::function<void(const PackRecord &)> packrecorder;
    // Tag to writer; starts as defaultdispatchtable().
    QVector<DispatchRow> dispatch;

    // The files, below model.workdir.
    QString documentpath() const;   // toexport/skin.xml
    QString sheetpath() const;      // toexport/skin.png
    QString previewpath() const;    // toexport/mypreview.png
    QString prunedpath() const;     // skin/skin.xml
    QString sourcepath() const;     // skin/skin.png, the Tessary image

    // The output document and image sheet of the current job.
    OutputDocument &document() { return m_document; }
    const OutputDocument &document() const { return m_document; }
    ImageSheet &sheet() { return m_sheet; }
    const ImageSheet &sheet() const { return m_sheet; }
    SkinModel &model() { return m_model; }
    const ColourScheme &colours() const { return m_colours; }

    // The skin's scale, screenwidth / skinwidth; 1 when the project has no
    // usable width, so that nothing is scaled to infinity.
    float skinscale() const;
    // The system area's scale: its layout is made for 1920 pixels.
    float systemscale() const;

    // Starts the image sheet in the skin's background colour and prepares
    // the windows table for placing the modules.
    void createpng();
    // Writes the whole document from the pruned skin, then saves it and the
    // image sheet. False, with neither saved, when the writer met a
    // problem (below); false too when either file could not be written.
    bool createxml();

    // What keeps the skin of the current job from being made, as far as
    // the writer can tell: a source picture that a piece needed and that
    // does not decode, is no PNG file, is past its bound or does not fit in
    // memory, or a sheet that would pass the picture bound (for the
    // desktop's background, or for the pieces below it) or does not fit in
    // memory.
    enum class Problem { None, SourcePicture, SourceNotPng, SourceTooLarge, SourceMemory, SheetTooLarge,
                         SheetMemory, DesktopTooLarge };
    Problem problem() const;
    // The size of the picture that the problem is about (the source's as
    // its header gives it, or the sheet's as it was asked to be).
    QSize problemsize() const;
    // Writes mypreview.png: the picture at path with the skin's name across
    // its top. False when the picture cannot be read or the file written.
    bool editpreview(const QString &path);
    // The system's reason why the last of the skin's files that could not
    // be written was not; empty when none failed so.
    QString writeproblem() const { return m_writeproblem; }

    // Packs the region (oldX, oldY, oldW, oldH) of the source image, scaled
    // by the factors, into the image sheet; returns x, y, width, height.
    // Only the part of the region inside the source image is drawn. A piece
    // with a negative side, or one that the sheet cannot take, is not
    // placed: nothing is drawn and it is returned at (0, 0).
    QList<int> mergepics(int oldX, int oldY, int oldW, int oldH,
                         float resizefactorX, float resizefactorY);

    // The dispatcher: hands node to the writer for its tag.
    void exportchild(QDomNode node, int level, float resizeX, float resizeY,
                     int groupXpos, int groupYpos);

    // Containers.
    void exportpanel(QDomNode node, int level, float resizeX, float resizeY,
                     int groupXpos, int groupYpos);
    void exportdeck(QDomNode node, int level, float resizeX, float resizeY,
                    int groupXpos, int groupYpos);
    void exportgroup(QDomNode node, int level, float resizeX, float resizeY,
                     int groupXpos, int groupYpos);
    void exportsystem(QDomNode node, int level, float resize);

    // Elements without geometry.
    void exporttooltip(QDomNode node, int level);
    void exportfont(QDomNode node, int level);

    // Writes node by spec (elementwriter.h) with these factors and offsets.
    void writeelement(const ElementSpec &spec, const QDomNode &node, int level,
                      float resizeX, float resizeY, int groupXpos, int groupYpos);

    // Shows text through progress, if any.
    void showprogress(const QString &text, bool processevents);

    // -- Module placement (moduleplacement.cpp) --
    // Prepares the windows table before pruning (end of createpng).
    void preparewindows();
    // Writes one module window (a groupo element) or paints it as a zone.
    void placemodule(const QDomElement &module, float skinscale);

    // -- Declared for the writers that plug into this frame; each is
    //    defined in its own file, and its dispatcher row points to it. --
    void drawzones(QDomNode node, float resizeX, float resizeY, int groupXpos, int groupYpos);
    QList<int> mergeicons(int oldX, int oldY);
    void exportcustomicons(QDomNode node, int level);
    void exportdefine(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportbrowserdefine(QDomNode node, int level);
    void exportbutton(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportslider(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exporttextzone(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportvisual(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportlogo(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportbrowser(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportgrabzone(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportline(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportscratch(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportsquare(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportcover(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportvideo(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportsongpos(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportdropzone(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportmenu(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportscratchwave(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);
    void exportrhythm(QDomNode node, int level, float resizeX, float resizeY, int groupXpos, int groupYpos);

private:
    // Places a piece of w x h on the sheet and draws into it the part of
    // the region (x, y, regionw, regionh) that lies inside source, stretched
    // over the piece. Returns the piece's corner, (0, 0) when it was not
    // placed.
    QPoint packregion(const QImage &source, int x, int y, int regionw, int regionh, int w, int h);

    // The Tessary image, read once per job on first use.
    const QImage &sourceimage();

    SkinModel &m_model;
    const ColourScheme &m_colours;
    OutputDocument m_document;
    ImageSheet m_sheet;
    QImage m_source;
    bool m_sourceread = false;
    // Why a piece found no source picture, if one did not.
    SourcePicture::Problem m_sourceproblem = SourcePicture::Problem::None;
    QSize m_sourcesize;
    QString m_writeproblem;
};
