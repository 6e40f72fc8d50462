#include "zonepainter.h"

#include "picturebounds.h"
#include "skinwriter.h"
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "skinmodel/textfunctions.h"

#include <QPainter>

#include <cmath>
#include <limits>

namespace {

// A zone's number: the name without its zone word, read as an integer.
int zonenumber(QString name, const char *zoneword)
{
    return textint(name.remove(QLatin1String(zoneword)));
}

int scaledsize(const QString &value, float factor)
{
    const double scaled = std::floor(double(textint(value)) * double(factor) + 0.5);
    if (std::isnan(scaled))
        return 0;
    return int(qBound(double(std::numeric_limits<int>::min()), scaled,
                      double(std::numeric_limits<int>::max())));
}

} // namespace

ZoneStyle zonestyle(const QString &name, const ColourScheme &colours, const SkinModel &model)
{
    ZoneStyle style{QColor(), false};
    if (name.startsWith(QLatin1String("GR_"))) {
        switch (zonenumber(name, "GR_ZONE")) {
        case 2: style.fill = colours.zone2back; break;
        case 3: style.fill = colours.zone3back; break;
        case 4: style.fill = colours.zone4back; break;
        default: style.fill = colours.zoneback; break;
        }
    } else if (name.startsWith(QLatin1String("D1_"))) {
        switch (zonenumber(name, "D1_ZONE")) {
        case 5: style.fill = colours.zone5back; break;
        case 6: style.fill = colours.zone7back; break;
        default: break;
        }
    } else {
        switch (zonenumber(name, "D2_ZONE")) {
        case 5: style = {colours.zone6back, model.zone5shifted}; break;
        case 6: style = {colours.zone8back, model.zone6shifted}; break;
        default: break;
        }
    }
    return style;
}

QSize zonesize(const QDomNode &module, float resizeX, float resizeY)
{
    QSize size(0, 0);
    const QDomNode content = module.firstChild().firstChild().firstChild();
    for (QDomNode child = content.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QDomElement element = child.toElement();
        if (element.tagName() != QLatin1String("size"))
            continue;
        // Every size child counts; the last one wins.
        size = QSize(scaledsize(element.attribute(QStringLiteral("width")), resizeX),
                     scaledsize(element.attribute(QStringLiteral("height")), resizeY));
    }
    return size;
}

int zoneleft(bool shifted, int sheetwidth, int groupXpos, int width)
{
    if (!shifted)
        return groupXpos;
    const qint64 left = qint64(sheetwidth) + sheetwidth / 2 - groupXpos - width;
    return int(qBound<qint64>(std::numeric_limits<int>::min(), left,
                              std::numeric_limits<int>::max()));
}

void SkinWriter::drawzones(QDomNode node, float resizeX, float resizeY, int groupXpos, int groupYpos)
{
    const QString name = node.toElement().attribute(QStringLiteral("name"));
    const ZoneStyle style = zonestyle(name, m_colours, m_model);
    const QSize size = zonesize(node, resizeX, resizeY);
    showprogress(QStringLiteral("Processing Image ..."), true);

    // The background's width: the sheet may have been widened below it for
    // the icon strip.
    const int background = m_model.screenwidth < float(m_sheet.width()) ? int(m_model.screenwidth)
                                                                          : m_sheet.width();
    // Beyond the sheet's edges by more than the outline reaches nothing of
    // a zone shows, so it is cut there and no edge leaves the int range; a
    // zone of negative size, or one off the sheet, is not painted.
    const QRect reach(-2, -2, m_sheet.width() + 4, m_sheet.height() + 4);
    const std::optional<QRect> zone = partinside(zoneleft(style.shifted, background, groupXpos, size.width()),
                                                 groupYpos, size.width(), size.height(), reach);
    if (!zone)
        return;
    m_sheet.paint([&](QPainter &painter) {
        painter.setPen(QPen(m_colours.zoneborder, 1));
        // A zone without a colour of its own is outlined only.
        if (style.fill.isValid())
            painter.setBrush(QBrush(style.fill, Qt::SolidPattern));
        else
            painter.setBrush(Qt::NoBrush);
        painter.drawRect(*zone);
    });
}
