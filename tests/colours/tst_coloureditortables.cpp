#include <QtTest>
#include <QLabel>
#include <QSet>

#include "colours/colourscheme.h"
#include "colours/deckcolours.h"
#include "colours/editormacros.h"
#include "colours/gradientswitch.h"
#include "colours/profileactions.h"
#include "colours/swatch.h"

namespace {

const ColourEntry *entrynamed(const QString &member)
{
    for (const ColourEntry &entry : ColourScheme::colourTable())
        if (member == QLatin1String(entry.member))
            return &entry;
    return nullptr;
}

QColor windowcolour(const QWidget &widget, QPalette::ColorGroup group)
{
    return widget.palette().brush(group, QPalette::Window).color();
}

} // namespace

class TestColourEditorTables : public QObject
{
    Q_OBJECT
private slots:
    void deckTableHoldsEveryDeckColour_data();
    void deckTableHoldsEveryDeckColour();
    void deckTableKeepsPairsTogether();
    void deckTableNamesTheEditorsOfTheForm();
    void gradientSwitchWidgets();
    void builtinProfiles();
    void profileName_data();
    void profileName();
    void builtinPaths_data();
    void builtinPaths();
    void setterFamilies();
    void paintSwatch();
};

void TestColourEditorTables::deckTableHoldsEveryDeckColour_data()
{
    QTest::addColumn<int>("scope");
    QTest::newRow("left") << int(ColourScope::D1);
    QTest::newRow("right") << int(ColourScope::D2);
}

// A deck is every colour of its scope plus the fader lines, which both
// decks share; nothing of the mixer, the video section or the skin.
void TestColourEditorTables::deckTableHoldsEveryDeckColour()
{
    QFETCH(int, scope);
    const bool left = ColourScope(scope) == ColourScope::D1;

    QSet<QString> expected{"faderlines"};
    for (const ColourEntry &entry : ColourScheme::colourTable())
        if (entry.scope == ColourScope(scope))
            expected << entry.member;

    QStringList listed;
    for (const DeckColour &row : deckcolours())
        listed << (left ? row.leftmember : row.rightmember);

    QCOMPARE(listed.size(), 60);
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), 60);
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()), expected);

    // The member pointers are those of the names.
    for (const DeckColour &row : deckcolours()) {
        const ColourEntry *entry = entrynamed(left ? row.leftmember : row.rightmember);
        QVERIFY(entry);
        QVERIFY(entry->colour == (left ? row.left : row.right));
    }
}

void TestColourEditorTables::deckTableKeepsPairsTogether()
{
    const QVector<DeckColour> &rows = deckcolours();
    int pairs = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const ColourEntry *entry = entrynamed(rows.at(i).leftmember);
        if (entry->role != GradientRole::First)
            continue;
        ++pairs;
        // Colour 2 right after colour 1, so that a copy made while gradients
        // are off ends with the source deck's colour 2.
        QVERIFY2(i + 1 < rows.size(), entry->member);
        QVERIFY2(rows.at(i + 1).left == entry->partner, entry->member);
    }
    QCOMPARE(pairs, 8);

    // Right is left with the deck prefix swapped, but for the shared lines.
    for (const DeckColour &row : rows) {
        QString mirrored = row.leftmember;
        mirrored.replace(QLatin1String("d1_"), QLatin1String("d2_"));
        QCOMPARE(QString(row.rightmember), mirrored);
    }
}

// The setters and resets that the deck actions call are the colour buttons
// and reset buttons of the colour table, deck by deck.
void TestColourEditorTables::deckTableNamesTheEditorsOfTheForm()
{
    QMap<QString, QPair<QString, QString>> buttons;  // setter -> (member, reset)
#define TYX_EDITOR_BUTTONS(member, key, family, scope, role, partner, swatch, colorButton, resetButton, draw) \
    buttons.insert(#colorButton, qMakePair(QString(#member), QString(#resetButton)));
    TYX_COLOUR_EDITOR_ROWS(TYX_EDITOR_BUTTONS)
#undef TYX_EDITOR_BUTTONS

    for (const DeckColour &row : deckcolours()) {
        QVERIFY2(buttons.contains(row.leftsetter), qPrintable(row.leftsetter));
        QVERIFY2(buttons.contains(row.rightsetter), qPrintable(row.rightsetter));
        QCOMPARE(buttons.value(row.leftsetter), qMakePair(QString(row.leftmember), row.leftreset));
        QCOMPARE(buttons.value(row.rightsetter), qMakePair(QString(row.rightmember), row.rightreset));
    }
    // The spellings of the form.
    const auto has = [](const QString &name, auto DeckColour::*column) {
        for (const DeckColour &row : deckcolours())
            if (row.*column == name)
                return true;
        return false;
    };
    QVERIFY(has("d1_jogneeedle_color", &DeckColour::leftsetter));
    QVERIFY(has("d2_faderfadder2_reset", &DeckColour::rightreset));
    QVERIFY(has("d2_faderlines_reset", &DeckColour::rightreset));
}

void TestColourEditorTables::gradientSwitchWidgets()
{
    const QStringList names = gradientswitchwidgets();
    QCOMPARE(names.size(), 64);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 64);

    // Every colour-2 control of a deck pair, and nothing else.
    QSet<QString> expected;
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        if (entry.scope != ColourScope::D1 && entry.scope != ColourScope::D2)
            continue;
        if (entry.role == GradientRole::Second)
            expected << entry.colorButton << entry.swatch << entry.resetButton;
        if (entry.role == GradientRole::First)
            expected << QString(entry.member) + "_to2";
    }
    QCOMPARE(QSet<QString>(names.begin(), names.end()), expected);

    // Left deck first; per family the colour-2 controls, then the copies.
    for (int i = 0; i < 32; ++i)
        QVERIFY2(names.at(i).startsWith("d1_") && names.at(i + 32).startsWith("d2_"), qPrintable(names.at(i)));
    QCOMPARE(names.mid(0, 3), (QStringList{"d1_buttonoff2_color", "d1_buttonoff2_label", "d1_buttonoff2_reset"}));
    QCOMPARE(names.mid(9, 3), (QStringList{"d1_buttonoff1_to2", "d1_buttonon1_to2", "d1_buttonover1_to2"}));
    QCOMPARE(names.mid(28, 4),
             (QStringList{"d1_faderfader2_color", "d1_faderfader2_label", "d1_faderfadder2_reset", "d1_faderfader1_to2"}));
}

void TestColourEditorTables::builtinProfiles()
{
    const QVector<BuiltinProfile> &profiles = builtinprofiles();
    QCOMPARE(profiles.size(), 3);
    QCOMPARE(profiles.at(0).name, QString("default"));
    QCOMPARE(profiles.at(1).label, QString("Color Profile : White"));
    QCOMPARE(profiles.at(2).label, QString("Color Profile : Dark"));
    for (const BuiltinProfile &profile : profiles) {
        QCOMPARE(profile.path, "://Resources/" + profile.name + ".tycp");
        QVERIFY(isbuiltinprofile(profile.path));
        // Each is there to be loaded.
        ColourScheme scheme;
        QVERIFY2(scheme.loadcolorprofile(profile.path), qPrintable(profile.path));
        QVERIFY(scheme.d1_buttonoff1.isValid());
    }
    QCOMPARE(profiles.at(0).label, profilelabeltext("default"));
}

void TestColourEditorTables::profileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "/home/u/TYX/profiles/Night.tycp" << "Night";
    QTest::newRow("further dot") << "/home/u/TYX/profiles/night.v2.tycp" << "night";
    QTest::newRow("dotted folder") << "/home/u.name/p.d/blue.tycp" << "blue";
    QTest::newRow("no extension") << "/tmp/blue" << "blue";
    QTest::newRow("windows path") << "C:/Users/u/Documents/TYX/profiles/red.tycp" << "red";
}

void TestColourEditorTables::profileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(profilename(path), name);
    QCOMPARE(profilesavedtext(profilename(path)), "Color Profile " + name + " has been saved succesfully.");
}

void TestColourEditorTables::builtinPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("builtin");
    QTest::newRow("default") << "://Resources/default.tycp" << true;
    QTest::newRow("last used") << "/home/u/Documents/TYX/profiles/last_used.tycp" << false;
    QTest::newRow("other case") << "://resources/dark.tycp" << false;
    QTest::newRow("empty") << "" << false;
}

void TestColourEditorTables::builtinPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, builtin);
    QCOMPARE(isbuiltinprofile(path), builtin);
}

// The skin and zone colours are the eleven without a setter.
void TestColourEditorTables::setterFamilies()
{
    int withoutsetter = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable())
        withoutsetter += hassetter(entry.family) ? 0 : 1;
    QCOMPARE(withoutsetter, 11);
}

void TestColourEditorTables::paintSwatch()
{
    QLabel label("text");
    QPalette start = label.palette();
    start.setColor(QPalette::WindowText, Qt::yellow);
    start.setColor(QPalette::Base, Qt::cyan);
    label.setPalette(start);

    const QColor colour(0x12, 0x34, 0x56);
    paintswatch(&label, colour);
    QVERIFY(label.autoFillBackground());
    // Also while disabled, as a deck's colour-2 swatch is while gradients are off.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(windowcolour(label, group), colour);
        QCOMPARE(label.palette().brush(group, QPalette::Window).style(), Qt::SolidPattern);
    }
    // Nothing else of the label changes.
    QCOMPARE(label.text(), QString("text"));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(label.palette().color(QPalette::Base), QColor(Qt::cyan));

    // Painting again with the same colour looks the same; an invalid colour
    // is painted without complaint.
    const QPalette once = label.palette();
    paintswatch(&label, colour);
    QVERIFY(label.palette() == once);
    paintswatch(&label, QColor());
    QVERIFY(!windowcolour(label, QPalette::Active).isValid());
    paintswatch(nullptr, colour);
}

QTEST_MAIN(TestColourEditorTables)
#include "tst_coloureditortables.moc"
