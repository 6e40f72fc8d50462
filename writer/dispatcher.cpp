// The element dispatcher: every node that a container holds goes to the
// writer for its tag. Tags are compared whole and case-sensitively; a tag
// without a row, or whose row has no writer yet, is dropped with its subtree.
#include "skinwriter.h"

#include "skinmodel/skinmodel.h"

const QVector<DispatchRow> &defaultdispatchtable()
{
    using Row = DispatchRow;
    static const QVector<DispatchRow> table = {
        {"define", Row::AllSix, &SkinWriter::exportdefine},
        {"button", Row::AllSix, &SkinWriter::exportbutton},
        {"slider", Row::AllSix, &SkinWriter::exportslider},
        {"textzone", Row::AllSix, &SkinWriter::exporttextzone},
        {"visual", Row::AllSix, &SkinWriter::exportvisual},
        {"logo", Row::AllSix, &SkinWriter::exportlogo},
        {"browser", Row::AllSix, &SkinWriter::exportbrowser},
        // Grab zones follow the screen's height, whatever their panel's
        // vertical factor.
        {"grabzone", Row::ScreenHeightY, &SkinWriter::exportgrabzone},
        {"line", Row::AllSix, &SkinWriter::exportline},
        {"scratch", Row::AllSix, &SkinWriter::exportscratch},
        {"square", Row::AllSix, &SkinWriter::exportsquare},
        {"cover", Row::AllSix, &SkinWriter::exportcover},
        {"video", Row::AllSix, &SkinWriter::exportvideo},
        {"songpos", Row::AllSix, &SkinWriter::exportsongpos},
        {"dropzonefake", Row::AllSix, &SkinWriter::exportdropzone},
        {"menu", Row::AllSix, &SkinWriter::exportmenu},
        {"scratchwave", Row::AllSix, &SkinWriter::exportscratchwave},
        {"rhythmzone", Row::AllSix, &SkinWriter::exportrhythm},
        {"tooltip", &SkinWriter::exporttooltip},
        {"font", &SkinWriter::exportfont},
        {"mcustomicons", &SkinWriter::exportcustomicons},
        {"group", Row::AllSix, &SkinWriter::exportgroup},
        {"deck", Row::AllSix, &SkinWriter::exportdeck},
        {"panel", Row::AllSix, &SkinWriter::exportpanel},
    };
    return table;
}

void SkinWriter::exportchild(QDomNode node, int level, float resizeX, float resizeY,
                             int groupXpos, int groupYpos)
{
    showprogress(QStringLiteral("Processing XML ..."), true);
    const QString tag = node.toElement().tagName();
    if (tag.isEmpty())
        return;
    for (const DispatchRow &row : qAsConst(dispatch)) {
        if (row.tag != tag || !row.haswriter())
            continue;
        switch (row.args) {
        case DispatchRow::AllSix:
            row.placed(*this, node, level, resizeX, resizeY, groupXpos, groupYpos);
            break;
        case DispatchRow::ScreenHeightY:
            row.placed(*this, node, level, resizeX, m_model.screenheight / 1080.0f,
                       groupXpos, groupYpos);
            break;
        case DispatchRow::NodeLevel:
            row.unplaced(*this, node, level);
            break;
        }
        return;
    }
}
