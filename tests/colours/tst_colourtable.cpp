// The colour table: every colour, its profile key, its gradient partner and
// the names of the widgets that show and edit it.
#include <QtTest>

#include <QRegularExpression>
#include <QSet>

#include "colours/colourscheme.h"

Q_DECLARE_METATYPE(ColourFamily)

namespace {

// The profile key that a member name gives, worked out independently of the
// table from the naming rules of the colour scheme.
QString keyFromMemberName(const QString &member)
{
    static const QMap<QString, QString> scopeFree{
        {"skinback", "backcolor"},      {"topbar", "topbar"},         {"faderlines", "faderlines"},
        {"zoneback", "draw1back"},      {"zone2back", "draw2back"},   {"zone3back", "draw3back"},
        {"zone4back", "draw4back"},     {"zoneborder", "drawborder"}, {"zone5back", "d1_draw5back"},
        {"zone7back", "d1_draw6back"},  {"zone6back", "d2_draw5back"}, {"zone8back", "d2_draw6back"},
    };
    if (scopeFree.contains(member))
        return scopeFree.value(member);

    const QString scope = member.section('_', 0, 0);
    const QString body = member.section('_', 1);
    const bool deck = scope == "d1" || scope == "d2";
    static const QStringList familyWords{"button", "dsp", "knob", "fader", "vu", "text", "wave", "system"};
    QString family;
    for (const QString &word : familyWords) {
        if (body.startsWith(word)) {
            family = word;
            break;
        }
    }
    QString part = body.mid(family.size());
    if (family == "knob") {
        if (part == "fader1")
            part = "fader";
        if (deck && part == "inborder")
            part = "border";
    } else if (family == "fader") {
        if (part == "inoff1")
            part = "inoff";
        else if (part == "inon1")
            part = "inon";
        else if (part == "inoffborder")
            part = "border";
    } else if (family == "text" && scope == "m" && part == "back") {
        part = "off";
    } else if (family == "system" && part.startsWith("text")) {
        part = "icon" + part.mid(4);
    }

    if (deck)
        return scope + "_" + (family == "vu" ? QString("vuled") : family) + part;
    static const QMap<QString, QString> keyWords{
        {"m button", "masterbutton"}, {"m dsp", "dspmaster"},    {"m knob", "knobmaster"},
        {"m fader", "masterfader"},   {"m vu", "mastervuled"},   {"m text", "textmaster"},
        {"m wave", "wave"},           {"m system", "system"},    {"v dsp", "dspvideo"},
        {"v knob", "knobvideo"},      {"v fader", "videofader"},
    };
    const QString word = keyWords.value(scope + " " + family);
    return word.isEmpty() ? QString() : word + part;
}

int countFirstColours()
{
#define TYX_COUNT_FIRST(member, key, family, scope, role, ...) TYX_IF_FIRST(role, +1)
    return 0 TYX_COLOURS(TYX_COUNT_FIRST);
#undef TYX_COUNT_FIRST
}

QStringList editorRowSwatches()
{
#define TYX_SWATCH(member, key, family, scope, role, partner, swatch, ...) QStringLiteral(#swatch),
    return {TYX_COLOUR_EDITOR_ROWS(TYX_SWATCH)};
#undef TYX_SWATCH
}

} // namespace

class TestColourTable : public QObject
{
    Q_OBJECT
private slots:
    void membersAndKeysAreOneToOne()
    {
        const auto &table = ColourScheme::colourTable();
        QCOMPARE(table.size(), 213);
        QSet<QString> members, keys;
        const QRegularExpression keyChars("^[A-Za-z0-9_]+$");
        for (const ColourEntry &entry : table) {
            members.insert(entry.member);
            keys.insert(entry.key);
            QVERIFY2(keyChars.match(entry.key).hasMatch(), qPrintable(entry.key));
            QCOMPARE(ColourScheme::findColour(entry.key), &entry);
        }
        QCOMPARE(members.size(), 213);
        QCOMPARE(keys.size(), 213);
    }

    void everyKeyFollowsFromItsMemberName()
    {
        for (const ColourEntry &entry : ColourScheme::colourTable())
            QCOMPARE(entry.key, keyFromMemberName(entry.member));
    }

    void familySizes_data()
    {
        QTest::addColumn<ColourFamily>("family");
        QTest::addColumn<int>("size");
        QTest::newRow("skin") << ColourFamily::Skin << 2;
        QTest::newRow("zones") << ColourFamily::Zones << 9;
        QTest::newRow("buttons") << ColourFamily::Buttons << 36;
        QTest::newRow("drop-down buttons") << ColourFamily::DropDowns << 48;
        QTest::newRow("knobs") << ColourFamily::Knobs << 28;
        QTest::newRow("faders and their shared lines") << ColourFamily::Faders << 27;
        QTest::newRow("jog wheels") << ColourFamily::Jogs << 14;
        QTest::newRow("text displays") << ColourFamily::Texts << 13;
        QTest::newRow("level meters") << ColourFamily::Meters << 12;
        QTest::newRow("song position") << ColourFamily::SongPos << 12;
        QTest::newRow("scratch wave") << ColourFamily::ScratchWave << 3;
        QTest::newRow("system buttons") << ColourFamily::SystemButtons << 9;
    }
    void familySizes()
    {
        QFETCH(ColourFamily, family);
        QFETCH(int, size);
        int found = 0;
        for (const ColourEntry &entry : ColourScheme::colourTable())
            found += entry.family == family;
        QCOMPARE(found, size);
    }

    void scopeMatchesMemberPrefix()
    {
        static const QMap<QString, ColourScope> prefixes{
            {"d1_", ColourScope::D1}, {"d2_", ColourScope::D2}, {"m_", ColourScope::Mixer}, {"v_", ColourScope::Video}};
        int unscoped = 0;
        for (const ColourEntry &entry : ColourScheme::colourTable()) {
            const QString member = entry.member;
            const QString prefix = member.contains('_') ? member.section('_', 0, 0) + "_" : QString();
            QCOMPARE(entry.scope, prefixes.value(prefix, ColourScope::NoScope));
            unscoped += entry.scope == ColourScope::NoScope;
        }
        QCOMPARE(unscoped, 12);
    }

    void gradientPairs()
    {
        QStringList stems;
        for (const ColourEntry &entry : ColourScheme::colourTable()) {
            const QString member = entry.member;
            const ColourEntry *partner = nullptr;
            for (const ColourEntry &other : ColourScheme::colourTable())
                if (other.colour == entry.partner)
                    partner = &other;
            QVERIFY(partner);
            if (entry.role == GradientRole::Single) {
                QCOMPARE(partner, &entry);
                continue;
            }
            const QString partnerName = partner->member;
            QCOMPARE(partnerName.chopped(1), member.chopped(1));
            QCOMPARE(partner->partner, entry.colour);
            QCOMPARE(partner->family, entry.family);
            QCOMPARE(partner->scope, entry.scope);
            if (entry.role == GradientRole::First) {
                QVERIFY(member.endsWith('1'));
                QCOMPARE(partner->role, GradientRole::Second);
                stems << member.chopped(1);
            } else {
                QVERIFY(member.endsWith('2'));
                QCOMPARE(partner->role, GradientRole::First);
            }
        }
        QStringList expected;
        for (const char *scope : {"d1_", "d2_", "m_"})
            for (const char *stem : {"buttonoff", "buttonover", "buttonon"})
                expected << QString(scope) + stem;
        for (const char *scope : {"d1_", "d2_", "m_", "v_"})
            for (const char *stem : {"dspoff", "dspover", "dspon", "knobin", "faderfader"})
                expected << QString(scope) + stem;
        stems.sort();
        expected.sort();
        QCOMPARE(stems, expected);
        QCOMPARE(countFirstColours(), 29);
    }

    void singleColoursThatLookLikeGradientEnds()
    {
        for (const char *key : {"d1_knobfader", "d1_faderinoff", "d1_faderinon", "knobmasterfader"})
            QCOMPARE(ColourScheme::findColour(key)->role, GradientRole::Single);
    }

    void namesThatBreakTheRule_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("colorButton");
        QTest::addColumn<QString>("resetButton");
        QTest::addColumn<QString>("draw");
        QTest::newRow("skin background") << "backcolor" << "skinback" << "skinback_label" << "skinback_color"
                                         << "skinback_reset" << "updatescenes";
        QTest::newRow("zone 1") << "draw1back" << "zoneback" << "zone1color_label" << "zonebackcolor"
                                << "resetzoneback" << "drawskin";
        QTest::newRow("zone 5-R") << "d2_draw5back" << "zone6back" << "zone6color_label" << "zone6backcolor"
                                  << "resetzone6back" << "drawskin";
        QTest::newRow("zone 6-L") << "d1_draw6back" << "zone7back" << "zone7color_label" << "zone7backcolor"
                                  << "resetzone7back" << "drawskin";
        QTest::newRow("zone border") << "drawborder" << "zoneborder" << "zoneborder_label" << "zoneborder_color"
                                     << "zoneborder_reset" << "drawskin";
        QTest::newRow("deck knob border") << "d1_knobborder" << "d1_knobinborder" << "d1_knobinborder_label"
                                          << "d1_knobinborder_color" << "d1_knobinborder_reset" << "drawknob";
        QTest::newRow("mixer knob border") << "knobmasterinborder" << "m_knobinborder" << "m_knobinborder_label"
                                           << "m_knobinborder_color" << "m_knobinborder_reset" << "drawknobm";
        QTest::newRow("deck 1 knob inner") << "d1_knobin1" << "d1_knobin1" << "d1_knobin1_label"
                                           << "d1_knobin1_color" << "d1_knobin1_reset" << "drawknob";
        QTest::newRow("deck 2 knob inner") << "d2_knobin1" << "d2_knobin1" << "d2_knobin_label"
                                           << "d2_knobin1_color" << "d2_knobin1_reset" << "drawknob2";
        QTest::newRow("video knob inner") << "knobvideoin1" << "v_knobin1" << "v_knobin_label" << "v_knobin1_color"
                                          << "v_knobin1_reset" << "drawknobv";
        QTest::newRow("shared fader lines") << "faderlines" << "faderlines" << "d1_faderlines_label"
                                            << "d1_faderlines_color" << "d1_faderlines_reset" << "drawfader";
        QTest::newRow("mixer fader lines") << "masterfaderlines" << "m_faderlines" << "m_faderlines_label"
                                           << "m_faderlines_color" << "m_faderlines_reset" << "drawfaderm";
        QTest::newRow("fader cap colour 2") << "videofaderfader2" << "v_faderfader2" << "v_faderfader2_label"
                                            << "v_faderfader2_color" << "v_faderfadder2_reset" << "drawfaderv";
        QTest::newRow("deck fader border") << "d2_faderborder" << "d2_faderinoffborder"
                                           << "d2_faderinoffborder_label" << "d2_faderinoffborder_color"
                                           << "d2_faderinoffborder_reset" << "drawfader2";
        QTest::newRow("jog needle") << "d2_jogneedle" << "d2_jogneedle" << "d2_jogneedle_label"
                                    << "d2_jogneeedle_color" << "d2_jogneedle_reset" << "drawjog2";
        QTest::newRow("meter off") << "mastervuledoff" << "m_vuoff" << "m_vuoffl_label" << "m_vuoff_color"
                                   << "m_vuoff_reset" << "drawvum";
        QTest::newRow("mixer text background") << "textmasteroff" << "m_textback" << "m_textback_label"
                                               << "m_textback_color" << "m_textback_reset" << "drawtextm";
        QTest::newRow("silkscreen") << "d1_silkscreen" << "d1_silkscreen" << "d1_silkscreen_label"
                                    << "d1_silkscreen_color" << "d1_silkscreen_reset" << "drawtext1";
        QTest::newRow("song position") << "d2_colorPlayed" << "d2_colorPlayed" << "d2_colorPlayed_label"
                                       << "d2_colorPlayed_color" << "d2_colorPlayed_reset" << "drawwave2";
        QTest::newRow("scratch wave") << "waveneedle" << "m_waveneedle" << "m_waveneedle_label"
                                      << "m_waveneedle_color" << "m_waveneedle_reset" << "drawwavem";
        QTest::newRow("system icon") << "systemiconover" << "m_systemtextover" << "m_systemtextover_label"
                                     << "m_systemtextover_color" << "m_systemtextover_reset" << "drawsystem";
        QTest::newRow("video drop-down") << "dspvideoon2" << "v_dspon2" << "v_dspon2_label" << "v_dspon2_color"
                                         << "v_dspon2_reset" << "drawdspv";
    }
    void namesThatBreakTheRule()
    {
        QFETCH(QString, key);
        const ColourEntry *entry = ColourScheme::findColour(key);
        QVERIFY(entry);
        QTEST(QString(entry->member), "member");
        QTEST(QString(entry->swatch), "swatch");
        QTEST(QString(entry->colorButton), "colorButton");
        QTEST(QString(entry->resetButton), "resetButton");
        QTEST(QString(entry->draw), "draw");
    }

    void sharedFaderLinesHaveAnEditorRowPerDeck()
    {
        const QStringList swatches = editorRowSwatches();
        QCOMPARE(swatches.size(), 214);
        QVERIFY(swatches.contains("d1_faderlines_label"));
        QVERIFY(swatches.contains("d2_faderlines_label"));
        QCOMPARE(QSet<QString>(swatches.begin(), swatches.end()).size(), 214);
    }

    void lookupByKeyReachesTheMember()
    {
        ColourScheme scheme;
        QCOMPARE(scheme.colourByKey("d1_draw6back"), &scheme.zone7back);
        QCOMPARE(scheme.colourByKey("knobmasterinborder"), &scheme.m_knobinborder);
        QCOMPARE(scheme.colourByKey("faderlines"), &scheme.faderlines);
        const ColourScheme &constScheme = scheme;
        QCOMPARE(constScheme.colourByKey("systemiconon"), &scheme.m_systemtexton);
        QCOMPARE(scheme.colourByKey("m_knobinborder"), nullptr);
        QCOMPARE(scheme.colourByKey("D1_buttonoff1"), nullptr);
        QCOMPARE(scheme.colourByKey(""), nullptr);
    }

    void everyColourStartsInvalid()
    {
        const ColourScheme scheme;
        for (const ColourEntry &entry : ColourScheme::colourTable())
            QVERIFY2(!(scheme.*entry.colour).isValid(), entry.member);
        QVERIFY(scheme.profilecolors.isEmpty());
        QVERIFY(!scheme.disablegradience);
    }
};

QTEST_GUILESS_MAIN(TestColourTable)
#include "tst_colourtable.moc"
