#include "skinwriter.h"

#include "picturebounds.h"
#include "xmlescape.h"
#include "colours/colourscheme.h"
#include "fileio/fileio.h"
#include "fileio/pictureconversion.h"
#include "skinmodel/skinmodel.h"

#include <QDomDocument>
#include <QFont>
#include <QPainter>

#include <cmath>
#include <limits>

namespace {

// Sizes beyond this are no image region of any skin; keeping pieces below
// it keeps the packing arithmetic far from integer overflow.
const int largestpiece = 1 << 20;

// A scaled piece size, rounded with halves going up; 0 for a factor that is
// not finite.
int piecesize(int size, float factor)
{
    const double scaled = double(size) * double(factor);
    if (!std::isfinite(scaled))
        return 0;
    const double rounded = std::floor(scaled + 0.5);
    return int(qBound(double(-largestpiece), rounded, double(largestpiece)));
}

// The picture at path, premultiplied as the preview is painted. A built-in
// picture cannot change while the program runs, so it is decoded only once.
QImage previewbase(const QString &path)
{
    static QString builtinpath;
    static QImage builtin;
    const bool isbuiltin = path.startsWith(QLatin1Char(':')) || path.startsWith(QLatin1String("qrc:"));
    if (isbuiltin && path == builtinpath)
        return builtin;
    const QImage picture = fileio::convertedpicture(QImage(path), QImage::Format_ARGB32_Premultiplied);
    if (isbuiltin && !picture.isNull()) {
        builtinpath = path;
        builtin = picture;
    }
    return picture;
}

// The region as a caller asked for it, its far edges cut at the int range,
// for the pack recorder.
QRect askedregion(int x, int y, int w, int h)
{
    const auto edge = [](int start, int length) {
        return int(qBound<qint64>(std::numeric_limits<int>::min(), qint64(start) + length - 1,
                                  std::numeric_limits<int>::max()));
    };
    return QRect(QPoint(x, y), QPoint(edge(x, w), edge(y, h)));
}

QDomElement firstelement(const QDomDocument &document, const QString &tag)
{
    const QDomNodeList elements = document.elementsByTagName(tag);
    return elements.isEmpty() ? QDomElement() : elements.item(0).toElement();
}

} // namespace

SkinWriter::SkinWriter(SkinModel &model, const ColourScheme &colours)
    : dispatch(defaultdispatchtable()),
      m_model(model),
      m_colours(colours),
      m_sheet(model.packx, model.packy, model.packbottom)
{
}

QString SkinWriter::documentpath() const { return m_model.workdir + QLatin1String("/toexport/skin.xml"); }
QString SkinWriter::sheetpath() const { return m_model.workdir + QLatin1String("/toexport/skin.png"); }
QString SkinWriter::previewpath() const { return m_model.workdir + QLatin1String("/toexport/mypreview.png"); }
QString SkinWriter::prunedpath() const { return m_model.workdir + QLatin1String("/skin/skin.xml"); }
QString SkinWriter::sourcepath() const { return m_model.workdir + QLatin1String("/skin/skin.png"); }

float SkinWriter::skinscale() const
{
    if (m_model.skinwidth <= 0)
        return 1.0f;
    return m_model.screenwidth / float(m_model.skinwidth);
}

float SkinWriter::systemscale() const
{
    return m_model.screenwidth / 1920.0f;
}

void SkinWriter::showprogress(const QString &text, bool processevents)
{
    if (progress)
        progress(text, processevents);
}

void SkinWriter::writeelement(const ElementSpec &spec, const QDomNode &node, int level,
                              float resizeX, float resizeY, int groupXpos, int groupYpos)
{
    ElementContext context{*this, m_document, resizeX, resizeY, groupXpos, groupYpos};
    ::writeelement(context, node, level, spec);
}

void SkinWriter::createpng()
{
    const QString text = QStringLiteral("Processing Skin Background ...");
    showprogress(text, true);
    m_source = QImage();
    m_sourceread = false;
    m_sourceproblem = SourcePicture::Problem::None;
    m_sourcesize = QSize();
    m_sheet.start(int(m_model.screenwidth), int(m_model.screenheight), m_colours.skinback);
    preparewindows();
    showprogress(text, true);
}

bool SkinWriter::createxml()
{
    const float scale = skinscale();
    m_document.clear();
    m_writeproblem.clear();
    m_document.appendheadline(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QString root = QStringLiteral("<skin");
    appendattribute(root, QStringLiteral("name"), skinname);
    appendattribute(root, QStringLiteral("comment"), QLatin1String("Skin was created with ") + m_model.tyname);
    appendattribute(root, QStringLiteral("author"), m_model.tyname);
    appendattribute(root, QStringLiteral("version"), QStringLiteral("830"));
    appendattribute(root, QStringLiteral("nbdecks"), QStringLiteral("2"));
    appendattribute(root, QStringLiteral("preview"), QStringLiteral("mypreview.png"));
    appendattribute(root, QStringLiteral("width"), QString::number(int(m_model.screenwidth)));
    appendattribute(root, QStringLiteral("height"), QString::number(int(m_model.screenheight)));
    m_document.appendheadline(root + QLatin1Char('>'));

    // The job hands over the tree that it pruned; otherwise the pruned skin
    // is read. One that is missing or not well-formed leaves the document
    // empty: the new skin is then the head and the closing line.
    // (A failed parse keeps what was read up to the error, hence the reset.)
    QDomDocument pruned;
    if (m_model.prunedskin)
        pruned = m_model.prunedskin->document;
    else if (!fileio::readxml(prunedpath(), &pruned, fileio::skinxmllimits))
        pruned = QDomDocument();

    const QDomElement defines = firstelement(pruned, QStringLiteral("group"));
    if (!defines.isNull())
        exportgroup(defines, 1, scale, scale, 0, 0);
    const QDomElement system = firstelement(pruned, QStringLiteral("panel"));
    if (!system.isNull())
        exportsystem(system, 1, systemscale());
    const QDomNodeList modules = pruned.elementsByTagName(QStringLiteral("groupo"));
    for (int i = 0; i < modules.count(); ++i)
        placemodule(modules.item(i).toElement(), scale);

    // Every piece is packed: the source's memory goes to saving the sheet
    // (a later piece reads it again).
    m_source = QImage();
    m_sourceread = false;
    // A sheet with pieces missing would leave regions of the document
    // blank: no file of the skin is written.
    if (problem() != Problem::None)
        return false;
    m_document.appendline(0, QStringLiteral("</skin>"));
    const bool documentsaved = m_document.save(documentpath(), &m_writeproblem);
    const bool sheetsaved = m_sheet.save(sheetpath(), &m_writeproblem);
    return documentsaved && sheetsaved;
}

SkinWriter::Problem SkinWriter::problem() const
{
    switch (m_sourceproblem) {
    case SourcePicture::Problem::Unreadable: return Problem::SourcePicture;
    case SourcePicture::Problem::NotPng: return Problem::SourceNotPng;
    case SourcePicture::Problem::TooLarge: return Problem::SourceTooLarge;
    case SourcePicture::Problem::OutOfMemory: return Problem::SourceMemory;
    case SourcePicture::Problem::None: break;
    }
    switch (m_sheet.refusal()) {
    case ImageSheet::Refusal::Desktop: return Problem::DesktopTooLarge;
    case ImageSheet::Refusal::Pieces: return Problem::SheetTooLarge;
    case ImageSheet::Refusal::Memory: return Problem::SheetMemory;
    case ImageSheet::Refusal::None: break;
    }
    return Problem::None;
}

QSize SkinWriter::problemsize() const
{
    return m_sourceproblem != SourcePicture::Problem::None ? m_sourcesize : m_sheet.refusedsize();
}

const QImage &SkinWriter::sourceimage()
{
    if (!m_sourceread) {
        SourcePicture read = readsourcepicture(sourcepath());
        m_source = read.picture;
        m_sourcesize = read.size;
        m_sourceproblem = read.problem;
        m_sourceread = true;
    }
    return m_source;
}

QList<int> SkinWriter::mergepics(int oldX, int oldY, int oldW, int oldH,
                                 float resizefactorX, float resizefactorY)
{
    showprogress(QStringLiteral("Processing Image ..."), true);
    const int w = piecesize(oldW, resizefactorX);
    const int h = piecesize(oldH, resizefactorY);
    const QImage &source = sourceimage();
    const QPoint at = packregion(source, oldX, oldY, oldW, oldH, w, h);
    const QList<int> result{at.x(), at.y(), w, h};
    if (packrecorder)
        packrecorder(PackRecord{askedregion(oldX, oldY, oldW, oldH), resizefactorX, resizefactorY, result});
    return result;
}

QPoint SkinWriter::packregion(const QImage &source, int x, int y, int regionw, int regionh, int w, int h)
{
    const std::optional<QPoint> corner = m_sheet.place(w, h);
    const std::optional<QRect> region = partinside(x, y, regionw, regionh, source.rect());
    if (corner && w > 0 && h > 0 && region && !region->isEmpty()) {
        const QImage part = source.copy(*region);
        m_sheet.paint([&](QPainter &painter) {
            painter.setPen(Qt::NoPen);
            painter.drawImage(QRect(corner->x(), corner->y(), w, h), part);
        });
    }
    // A piece that was not placed has no place to point at.
    return corner.value_or(QPoint(0, 0));
}

bool SkinWriter::editpreview(const QString &path)
{
    // The picture painted onto a transparent image is the picture itself,
    // premultiplied.
    QImage preview = previewbase(path);
    if (preview.isNull())
        return false;
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 54, 75, false));
    // One line, centred in the band; a long name is cut off, never wrapped.
    painter.drawText(QRectF(0, 20, preview.width(), 200), Qt::AlignCenter, skinname);
    painter.end();

    // Converted whole, once: the PNG writer would otherwise convert each row
    // of a premultiplied image on its own.
    return fileio::writepng(previewpath(), fileio::convertedpicture(preview, QImage::Format_ARGB32), 100,
                            &m_writeproblem);
}
