#pragma once
// A small modular skin in the layout of the Tessary skin (a definitions
// group, a system panel, a menu window and module windows with an editing
// and a live panel), with projects that show its modules. For tests that
// run the whole create-skin job; header-only, as only programs that link
// the application use it.
#include <JlCompress.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

#include "support/testsupport.h"

namespace fixtureskin {

// Five windows: 1 the menu, 2 and 3 a transport module per deck, 4 a logo
// module with a browser, 5 a module that the projects hide. Picture states name regions of
// skinimage() at 56 x 52 and 40 x 20.
inline QByteArray skinxml()
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<skin name="Tessary" version="830" width="1920" height="1080">
 <group name="defines">
  <font name="small" font="Arial" size="10" weight="bold"/>
  <tooltip x="0" y="0" width="200" height="30" color="#202020"/>
 </group>
 <panel name="system">
  <button x="1800" y="4" width="40" height="20" action="settings">
   <off x="0" y="120"/>
   <over x="40" y="120"/>
  </button>
  <button x="1850" y="4" width="40" height="20" action="record" add="no">
   <off x="80" y="120"/>
  </button>
 </panel>
 <window idx="1" name="MENU" prop="0" breakline="0" width="632" height="393" posx="600" posy="47" shown="no">
  <panel name="menu"><button x="0" y="0" width="40" height="20" action="menu"/></panel>
 </window>
 <window idx="2" name="D1_CTRL" prop="0" breakline="0" width="200" height="60" posx="180" posy="47" shown="no">
  <panel add="no" visibility="var_equal '$TY_golive' 0">
   <grabzone x="0" y="0" width="200" height="60"/>
  </panel>
  <panel add="yes" visibility="var_equal '$TY_golive' 1">
   <deck deck="left">
    <button x="4" y="4" width="56" height="52" action="play_pause">
     <off x="0" y="0"/>
     <over x="56" y="0"/>
     <down x="112" y="0"/>
    </button>
   </deck>
  </panel>
 </window>
 <window idx="3" name="D2_CTRL" prop="0" breakline="0" width="200" height="60" posx="180" posy="47" shown="no">
  <panel add="no" visibility="var_equal '$TY_golive' 0">
   <grabzone x="0" y="0" width="200" height="60"/>
  </panel>
  <panel add="yes" visibility="var_equal '$TY_golive' 1">
   <deck deck="right">
    <button x="4" y="4" width="56" height="52" action="play_pause">
     <off x="0" y="60"/>
     <over x="56" y="60"/>
    </button>
   </deck>
  </panel>
 </window>
 <window idx="4" name="GL_LOGO" prop="0" breakline="0" width="200" height="40" posx="180" posy="47" shown="no">
  <panel add="no" visibility="var_equal '$TY_golive' 0"/>
  <panel add="yes" visibility="var_equal '$TY_golive' 1">
   <button x="0" y="0" width="40" height="20" action="about">
    <off x="120" y="120"/>
   </button>
   <browser x="0" y="20" width="200" height="20"/>
  </panel>
 </window>
 <window idx="5" name="D1_HIDDEN" prop="0" breakline="0" width="200" height="40" posx="180" posy="47" shown="no">
  <panel add="yes" visibility="var_equal '$TY_golive' 1">
   <button x="0" y="0" width="40" height="20" action="hidden">
    <off x="160" y="120"/>
   </button>
  </panel>
 </window>
</skin>
)";
}

// Coloured blocks, so that every packed piece carries visible pixels.
inline QImage skinimage()
{
    QImage image(240, 180, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            painter.fillRect(column * 56, row * 60, 56, 52, colours[(row + column) % 6]);
    }
    return image;
}

// Writes a zip holding skin.xml (the fixture's, or xml), skin.png (unless
// without image) and preview.png, as the Tessary skin zip is laid out.
inline bool writezip(const QString &zippath, bool withimage = true, const QByteArray &xml = skinxml())
{
    QTemporaryDir folder;
    if (!folder.isValid() || !testsupport::writeFile(folder.filePath("skin.xml"), xml))
        return false;
    if (withimage && !skinimage().save(folder.filePath("skin.png")))
        return false;
    QImage preview(64, 36, QImage::Format_ARGB32);
    preview.fill(Qt::darkGray);
    if (!preview.save(folder.filePath("preview.png")))
        return false;
    QDir().mkpath(QFileInfo(zippath).absolutePath());
    return JlCompress::compressDir(zippath, folder.path(), true);
}

// A project file with the screen size and the window record of a host;
// visible lists the windows it shows (1 to 5), each at its own place.
inline QByteArray project(const QList<int> &visible, int screenwidth = 1920, int screenheight = 1080)
{
    QByteArray text = "<project name=\"Fixture\">\r\n";
    text += "<screenwidth>" + QByteArray::number(screenwidth) + "</screenwidth>\r\n";
    text += "<screenheight>" + QByteArray::number(screenheight) + "</screenheight>\r\n";
    text += "<QRNScriptGlobalVariables>$TYX_CTRL=0=1.00000, $TYX_DECKGROUP1_clone=0=0.00000"
            "</QRNScriptGlobalVariables>\r\n";
    text += "<skinWindows>\r\n<window name=\"Tessary:skin\">\r\n";
    for (int idx = 1; idx <= 5; ++idx) {
        text += "<idx" + QByteArray::number(idx) + " visible=\""
                + (visible.contains(idx) ? "yes" : "no") + "\" x=\"" + QByteArray::number(idx * 210)
                + "\" y=\"100\" width=\"200\" height=\"60\"/>\r\n";
    }
    text += "</window>\r\n</skinWindows>\r\n</project>";
    return text;
}

// The windows that show the modules of the fixture.
inline QList<int> modules() { return {1, 2, 3, 4}; }

} // namespace fixtureskin
