// Colour profiles: reading and writing ".tycp" files and the built-in ones.
#include <QtTest>

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "colours/colourscheme.h"
#include "colours/profileformat.h"
#include "support/testsupport.h"

using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QStringList onBorderKeys{"d1_buttononborder", "d2_buttononborder", "masterbuttononborder"};

QStringList tableKeys()
{
    QStringList keys;
    for (const ColourEntry &entry : ColourScheme::colourTable())
        keys << entry.key;
    return keys;
}

QStringList keysStartingWith(const QStringList &prefixes)
{
    QStringList keys;
    for (const QString &key : tableKeys())
        for (const QString &prefix : prefixes)
            if (key.startsWith(prefix))
                keys << key;
    return keys;
}

QStringList validColourKeys(const ColourScheme &scheme)
{
    QStringList keys;
    for (const ColourEntry &entry : ColourScheme::colourTable())
        if ((scheme.*entry.colour).isValid())
            keys << entry.key;
    return keys;
}

// Gives every colour a different opaque value.
void fillWithDistinctColours(ColourScheme &scheme, quint32 seed)
{
    QRandomGenerator random(seed);
    int index = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable())
        scheme.*entry.colour = QColor(index++, random.bounded(256), random.bounded(256));
}

} // namespace

class TestColourProfiles : public QObject
{
    Q_OBJECT
private slots:
    void builtInProfiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("missingKeys");
        QTest::addColumn<QStringList>("tellingRows");
        const QStringList faderKeys = keysStartingWith({"masterfader", "videofader"});
        QCOMPARE(faderKeys.size(), 14);
        QTest::newRow("default") << "://Resources/default.tycp" << 210 << onBorderKeys
                                 << QStringList{"backcolor,#202020", "topbar,#303030", "d1_buttonon1,#0089ea",
                                                "d1_buttonon2,#002958", "d2_buttonon1,#de0000",
                                                "masterbuttonon1,#ffbf00", "d1_textcolor,#509bd4",
                                                "d1_vuledon,#00ff00", "waveneedle,#ffffff",
                                                "knobmasterringon,#cf9c02", "videofaderfaderborder,#04e01a"};
        QTest::newRow("dark") << "://Resources/dark.tycp" << 210 << onBorderKeys
                              << QStringList{"backcolor,#151515", "topbar,#2d2d2d", "d1_buttonon1,#006bb3",
                                             "d1_buttonon2,#006bb3", "d2_buttonon1,#b30002",
                                             "masterbuttonon1,#ffbf00", "d1_textcolor,#0080d6",
                                             "d1_vuledon,#009500", "waveneedle,#ffffff"};
        QTest::newRow("white") << "://Resources/white.tycp" << 196 << onBorderKeys + faderKeys
                               << QStringList{"backcolor,#dadada", "topbar,#c2c2c2", "d1_buttonon1,#0062a3",
                                              "d1_buttonon2,#0062a3", "d2_buttonon1,#930000",
                                              "masterbuttonon1,#272727", "d1_textcolor,#2f5d7e",
                                              "d1_vuledon,#187c18", "waveneedle,#000000"};
    }
    void builtInProfiles()
    {
        QFETCH(QString, path);
        QFETCH(int, lines);
        QFETCH(QStringList, missingKeys);
        QFETCH(QStringList, tellingRows);

        // The stored file: ASCII lines "key,#rrggbb" with CR LF, in profile order.
        const QByteArray bytes = readFile(path);
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList fileLines = QString::fromLatin1(bytes).split("\r\n");
        QCOMPARE(fileLines.size(), lines + 1);  // the text after the last line end is empty
        QStringList fileKeys;
        const QRegularExpression lineShape("^[A-Za-z0-9_]+,#[0-9A-Fa-f]{6}$");
        for (const QString &line : fileLines.mid(0, lines)) {
            QVERIFY2(lineShape.match(line).hasMatch(), qPrintable(line));
            fileKeys << line.section(',', 0, 0);
        }
        QStringList expectedKeys = tableKeys();
        for (const QString &key : missingKeys)
            expectedKeys.removeOne(key);
        QCOMPARE(fileKeys, expectedKeys);

        ColourScheme scheme;
        QVERIFY(scheme.loadcolorprofile(path));
        QCOMPARE(scheme.profilecolors.size(), lines);
        QCOMPARE(validColourKeys(scheme), expectedKeys);
        for (const QString &row : tellingRows)
            QCOMPARE(colourText(*scheme.colourByKey(row.section(',', 0, 0))), row.section(',', 1));

        // Saved again, the colours the profile lacks read "#000000".
        QTemporaryDir dir;
        const QString saved = dir.filePath("saved.tycp");
        QVERIFY(scheme.savecolors(saved));
        const QString savedText = QString::fromLatin1(readFile(saved));
        for (const QString &key : missingKeys)
            QVERIFY2(savedText.contains("\r\n" + key + ",#000000\r\n"), qPrintable(key));
    }

    void defaultRoundTrip()
    {
        ColourScheme scheme;
        QVERIFY(scheme.loadcolorprofile(ColourScheme::defaultProfilePath));
        QTemporaryDir dir;
        const QString saved = dir.filePath("default copy.tycp");
        QVERIFY(scheme.savecolors(saved));

        // The stored default in lower case, with the three on-border colours
        // it lacks in their places.
        QByteArray expected;
        for (const QByteArray &line : readFile(ColourScheme::defaultProfilePath).split('\n'))
            if (!line.isEmpty())
                expected += line.left(line.indexOf(',')) + line.mid(line.indexOf(',')).toLower() + '\n';
        expected.replace("d1_buttonon2,#002958\r\n", "d1_buttonon2,#002958\r\nd1_buttononborder,#000000\r\n");
        expected.replace("d2_buttonon2,#540000\r\n", "d2_buttonon2,#540000\r\nd2_buttononborder,#000000\r\n");
        expected.replace("masterbuttonon2,#4a3b00\r\n",
                         "masterbuttonon2,#4a3b00\r\nmasterbuttononborder,#000000\r\n");
        const QByteArray written = readFile(saved);
        QCOMPARE(written, expected);
        QCOMPARE(written.count("\r\n"), 213);
        QCOMPARE(written.count('\n'), 213);
        QVERIFY(written.contains("\r\nknobmasterringon,#cf9c02\r\n"));
    }

    void noReadableProfileFallsBackToDefault_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty path") << QString();
        QTest::newRow("missing file") << "/nonexistent/folder/mine.tycp";
        QTest::newRow("missing built-in") << "://Resources/none.tycp";
        // Something is there, but nothing a profile can be read from.
        const QString folder = m_files.filePath("shelf.tycp");
        QVERIFY(QDir().mkpath(folder));
        QTest::newRow("folder") << folder;
        const QString locked = m_files.filePath("locked.tycp");
        QVERIFY(writeFile(locked, "topbar,#123456\r\n"));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
        QTest::newRow("unreadable file") << locked;
    }
    void noReadableProfileFallsBackToDefault()
    {
        QFETCH(QString, path);
        if (QFileInfo(path).isFile() && QFileInfo(path).isReadable())
            QSKIP("this user may read any file");
        ColourScheme expected;
        QVERIFY(expected.loadcolorprofile(ColourScheme::defaultProfilePath));

        ColourScheme scheme;
        scheme.profilecolors.insert("stale", "#123456");
        fillWithDistinctColours(scheme, 1);
        QVERIFY(scheme.loadcolorprofile(path));
        QCOMPARE(scheme.profilecolors, expected.profilecolors);
        for (const ColourEntry &entry : ColourScheme::colourTable()) {
            if (!onBorderKeys.contains(entry.key))
                QCOMPARE(scheme.*entry.colour, expected.*entry.colour);
        }
    }

    // Profiles without the three button ON borders (the built-in ones among
    // them) leave those colours as they were; a profile that has them sets
    // them; every other colour a profile lacks still becomes invalid.
    void onBorderColoursOnlyFromProfilesThatHaveThem()
    {
        ColourScheme scheme;
        fillWithDistinctColours(scheme, 5);
        const ColourScheme picked = scheme;
        for (const char *path : {"://Resources/default.tycp", "://Resources/dark.tycp", "://Resources/white.tycp"}) {
            QVERIFY(scheme.loadcolorprofile(QLatin1String(path)));
            for (const QString &key : onBorderKeys)
                QCOMPARE(*scheme.colourByKey(key), *picked.colourByKey(key));
        }
        QVERIFY(!scheme.colourByKey("masterfaderlines")->isValid());  // white lacks it

        QTemporaryDir dir;
        const QString path = dir.filePath("borders.tycp");
        QVERIFY(writeFile(path, "d1_buttononborder,#123456\r\nmasterbuttononborder,\r\n"));
        QVERIFY(scheme.loadcolorprofile(path));
        QCOMPARE(colourText(scheme.d1_buttononborder), QString("#123456"));
        QCOMPARE(scheme.d2_buttononborder, picked.d2_buttononborder);
        QVERIFY(!scheme.m_buttononborder.isValid());
        QCOMPARE(validColourKeys(scheme), (QStringList{"d1_buttononborder", "d2_buttononborder"}));
    }

    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("mapText");  // the text under "topbar"; null when absent
        QTest::addColumn<QString>("colour");   // "invalid" or the colour as saved

        QTest::newRow("CR LF") << QByteArray("backcolor,#101010\r\ntopbar,#202020\r\n") << "#202020" << "#202020";
        QTest::newRow("LF only") << QByteArray("backcolor,#101010\ntopbar,#202020\n") << "#202020" << "#202020";
        QTest::newRow("no line end at the end") << QByteArray("topbar,#202020") << "#202020" << "#202020";
        QTest::newRow("duplicate key: the last wins")
            << QByteArray("topbar,#111111\r\nbackcolor,#101010\r\ntopbar,#222222\r\n") << "#222222" << "#222222";
        QTest::newRow("third field ignored") << QByteArray("topbar,#222222,#333333\n") << "#222222" << "#222222";
        QTest::newRow("lines without comma skipped")
            << QByteArray("garbage\n\ntopbar,#222222\n\nmore garbage") << "#222222" << "#222222";
        QTest::newRow("empty colour") << QByteArray("topbar,\n") << "" << "invalid";
        QTest::newRow("key with trailing blank") << QByteArray("topbar ,#222222\n") << QString() << "invalid";
        QTest::newRow("colour with leading blank") << QByteArray("topbar, #222222\n") << " #222222" << "invalid";
        QTest::newRow("upper-case digits") << QByteArray("topbar,#CF9C02\r\n") << "#CF9C02" << "#cf9c02";
        QTest::newRow("three digits") << QByteArray("topbar,#FFF\r\n") << "#FFF" << "#ffffff";
        QTest::newRow("colour name") << QByteArray("topbar,red\r\n") << "red" << "#ff0000";
        QTest::newRow("alpha dropped on save") << QByteArray("topbar,#80112233\r\n") << "#80112233" << "#112233";
        QTest::newRow("five digits") << QByteArray("topbar,#12345\r\n") << "#12345" << "invalid";
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBFtopbar,#222222\r\n") << "#222222"
                                               << "#222222";
        static const char utf16profile[] = "\xFF\xFEt\0o\0p\0b\0a\0r\0,\0#\0\x32\0\x32\0\x32\0\x32\0\x32\0\x32\0\r\0\n\0";
        QTest::newRow("UTF-16 byte-order mark")
            << QByteArray::fromRawData(utf16profile, sizeof utf16profile - 1)
            << "#222222" << "#222222";
    }
    void readingRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, mapText);
        QFETCH(QString, colour);
        QTemporaryDir dir;
        const QString path = dir.filePath("case.tycp");
        QVERIFY(writeFile(path, content));

        ColourScheme scheme;
        fillWithDistinctColours(scheme, 2);
        QVERIFY(scheme.loadcolorprofile(path));
        QCOMPARE(scheme.profilecolors.contains("topbar"), !mapText.isNull());
        QCOMPARE(scheme.profilecolors.value("topbar"), mapText);
        QCOMPARE(scheme.topbar.isValid() ? colourText(scheme.topbar) : QString("invalid"), colour);
        if (colour.startsWith("#"))  // the line's alpha is kept while loaded, only saving drops it
            QCOMPARE(scheme.topbar, colourFromText(mapText));
        QVERIFY(!scheme.profilecolors.contains(QString()));
    }

    void keysTheProfileLacksBecomeInvalid()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("partial.tycp");
        QVERIFY(writeFile(path, "notacolour,#123456\r\nd1_draw6back,#654321\r\n"));
        ColourScheme scheme;
        QVERIFY(scheme.loadcolorprofile(ColourScheme::defaultProfilePath));
        QVERIFY(scheme.loadcolorprofile(path));
        QCOMPARE(scheme.profilecolors.size(), 2);
        QCOMPARE(scheme.profilecolors.value("notacolour"), QString("#123456"));
        QCOMPARE(validColourKeys(scheme), QStringList{"d1_draw6back"});
        QCOMPARE(colourText(scheme.zone7back), QString("#654321"));
    }

    void saveWritesEveryColourInProfileOrder()
    {
        ColourScheme scheme;
        fillWithDistinctColours(scheme, 3);
        scheme.topbar = QColor(0xAB, 0xCD, 0xEF, 0x40);
        scheme.m_systemonborder = QColor();
        QTemporaryDir dir;
        const QString path = dir.filePath("all.tycp");
        QVERIFY(scheme.savecolors(path));

        const QByteArray bytes = readFile(path);
        QVERIFY(bytes.endsWith("\r\n"));
        QStringList lines = QString::fromLatin1(bytes).split("\r\n");
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), 213);
        QStringList keys;
        for (const QString &line : lines) {
            QVERIFY2(QRegularExpression("^[A-Za-z0-9_]+,#[0-9a-f]{6}$").match(line).hasMatch(), qPrintable(line));
            keys << line.section(',', 0, 0);
        }
        QCOMPARE(keys, tableKeys());
        QVERIFY(lines.contains("topbar,#abcdef"));
        QCOMPARE(lines.last(), QString("systemonborder,#000000"));
    }

    void saveThenLoadReproducesEveryColour()
    {
        ColourScheme original;
        fillWithDistinctColours(original, 4);
        QTemporaryDir dir;
        const QString path = dir.filePath("roundtrip.tycp");
        QVERIFY(original.savecolors(path));
        ColourScheme loaded;
        QVERIFY(loaded.loadcolorprofile(path));
        QCOMPARE(loaded.profilecolors.size(), 213);
        for (const ColourEntry &entry : ColourScheme::colourTable())
            QCOMPARE(loaded.*entry.colour, original.*entry.colour);
    }

    void saveReplacesTheWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("long.tycp");
        QVERIFY(writeFile(path, QByteArray("extra,#000000\r\n").repeated(300)));
        ColourScheme scheme;
        QVERIFY(scheme.savecolors(path));
        QCOMPARE(readFile(path).count("\r\n"), 213);
        QVERIFY(!readFile(path).contains("extra"));
    }

    void saveFailureIsReported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << "missing/profile.tycp";
        QTest::newRow("built-in profile") << ColourScheme::defaultProfilePath;
    }
    void saveFailureIsReported()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString target = path.startsWith(":") ? path : dir.filePath(path);
        const QByteArray before = readFile(target);
        ColourScheme scheme;
        QVERIFY(!scheme.savecolors(target));
        QCOMPARE(readFile(target), before);
        QVERIFY(!QDir(dir.filePath("missing")).exists());
    }

private:
    QTemporaryDir m_files;
};

QTEST_GUILESS_MAIN(TestColourProfiles)
#include "tst_colourprofiles.moc"
