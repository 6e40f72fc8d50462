// tyx-memorybenchmark [TEXT...]: the peak memory of the tool's work with its
// inputs at their bounds, each case in a process of its own (the program
// runs itself once per case), as the kernel counts it (the resident set's
// high-water mark). Given texts, only the cases whose names hold one run.
//
// - Create Skin with a skin.xml at both of its bounds, once per kind of
//   element the writer takes: as many nodes as it may hold, as elements of
//   that kind in a shown module, and the rest of its bytes in one long
//   attribute; the worst kind is reported;
// - the same with buttons (the worst kind) whose actions share the bytes,
//   and with buttons of one attribute each;
// - Create Skin with a skin.xml of nothing but tiny elements up to its node
//   bound, which is read whole (it has no windows);
// - Create Skin with the Tessary skin.png at its bound (16 bits a channel,
//   the most memory a pixel takes once decoded), and with pieces that grow
//   the new skin's sheet to its bound, copied from random pixels (which
//   neither PNG nor the zip can shrink), below the background of a
//   1920 x 1080 desktop and of an 8K one (7680 x 4320);
// - Apply with a project and the host's settings.xml each at both of their
//   bounds (read, applied and written out in memory, and then refused, as
//   the host they make together is past its bounds);
// - Create Skin with all of these at once: skin.xml (the worst kind), the
//   picture, the sheet and the project at their bounds, on both desktops;
// - the tool itself: the main window shown, at rest (it reads the project
//   at its bound), running Create Skin by its button, and applying the
//   project to the host, with every input at its bound, the sheet's pieces
//   sized for the display's desktop. These cases need a display; run the
//   benchmark as
//   xvfb-run -a -s "-screen 0 1920x1080x24" tyx-memorybenchmark
//   and again with 7680x4320, an 8K desktop.
//
// Each line gives the case and its peak in MiB; the last lines the worst
// element kind and the largest peak.
#include "app/createskinjob.h"
#include "app/mainwindow.h"
#include "app/projectapply.h"
#include "fileio/fileio.h"
#include "fileio/zipfolders.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/messageboxdriver.h"
#include "support/pngfile.h"
#include "support/skinzip.h"
#include "writer/picturebounds.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QTest>
#include <QImageReader>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The bytes of a file at its bound: text grown after anchor by repeating
// piece, then padded up to bytes with an element whose one attribute holds
// the rest (kept in the tree, and written out again by Create Skin).
QByteArray filled(QByteArray text, const QByteArray &anchor, const QByteArray &piece, int pieces,
                  qint64 bytes)
{
    QByteArray grown = piece.repeated(pieces);
    const QByteArray open = "<button x=\"1\" y=\"1\" width=\"1\" height=\"1\" action=\"";
    const qint64 room = bytes - text.size() - grown.size() - open.size() - 3;
    if (room > 0)
        grown += open + QByteArray(int(room), 'x') + "\"/>";
    return text.replace(anchor, anchor + grown);
}

// An element of kind with five attributes (six nodes), its action as
// long as the element takes bytes.
QByteArray control(const QString &kind, int bytes = 0)
{
    const QByteArray open = "<" + kind.toLatin1() + " x=\"1\" y=\"2\" width=\"10\" height=\"10\" action=\"";
    return open + QByteArray(qMax(3, bytes - open.size() - 3), 'c') + "\"/>";
}
constexpr int controlnodes = 6;
const QByteArray leftdeck = "<deck deck=\"left\">";

// The Tessary picture at its bound: as many pixels as it may hold, 16 bits
// a channel, as square as can be; its first rows random, as many as its
// byte bound leaves room for.
QByteArray pictureatbound()
{
    const quint32 width = quint32(largestsourceside);
    const quint32 height = quint32(largestsourcearea / width);
    const quint32 noiserows = quint32(fileio::skinpicturelimit * 9 / 10 / (qint64(width) * 8));
    return pngfile::make(width, height, 16, qMin(noiserows, height));
}

// The desktop the tool is benchmarked on, and the largest it makes skins for.
const QSize fullhd(1920, 1080);
const QSize eightk(7680, 4320);

// Buttons whose one picture state is a piece of 1900 x rows pixels cut
// from the picture's random rows, as many as the sheet of a desktop of
// screen (the layout's own) takes within its bound: the pieces stand side
// by side on shelves 5 rows below the sheet, which ends 10 rows below the
// last; a shelf's room is left for the skin's own pieces.
QByteArray sheetpieces(const QSize &screen = fullhd)
{
    const int rows = 400;
    const qint64 sheetrows = largestpicturearea / screen.width();
    const int shelves = int((sheetrows - screen.height()) / (rows + 15)) - 1;
    const int pieces = shelves * ((screen.width() - 5) / 1905);
    return QByteArray("<button x=\"0\" y=\"0\" width=\"1900\" height=\"" + QByteArray::number(rows)
                      + "\" action=\"big\"><off x=\"0\" y=\"0\"/></button>")
        .repeated(pieces);
}

// A skin.xml at both of its bounds, its nodes as elements of kind; the
// rest of its bytes in one element, or spread over the elements' actions.
QByteArray skinatbounds(const QString &kind, const QByteArray &extra = QByteArray(), bool spread = false)
{
    const int controls = (fileio::skinxmllimits.nodes - 1000) / controlnodes;
    QByteArray xml = fixtureskin::skinxml().replace(leftdeck, leftdeck + extra);
    const int bytes = spread ? int((fileio::skinxmllimits.bytes - xml.size() - 100) / controls) : 0;
    return filled(xml, leftdeck, control(kind, bytes), controls, fileio::skinxmllimits.bytes);
}

// A project at both of its bounds that shows the fixture's modules; its
// other nodes are placements of a window the skin does not have.
QByteArray projectatbounds(const QSize &screen = fullhd)
{
    const QByteArray windowopen = "<window name=\"Tessary:skin\">\r\n";
    const QByteArray placement = "<idx9 visible=\"no\" x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>";
    return filled(fixtureskin::project(fixtureskin::modules(), screen.width(), screen.height()), windowopen,
                  placement, (fileio::smallxmllimits.nodes - 100) / 6, fileio::smallxmllimits.bytes);
}

// A host's settings.xml at both of its bounds.
QByteArray hostatbounds()
{
    const QByteArray hostopen = "<skins>";
    return filled("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings>\r\n<options>"
                  "<QRNScriptGlobalVariables>$A=0=1</QRNScriptGlobalVariables></options>\r\n"
                  "<skins><skinWindows/></skins>\r\n</settings>\r\n",
                  hostopen, "\r\n<a b=\"\"/>", (fileio::smallxmllimits.nodes - 100) / 3,
                  fileio::smallxmllimits.bytes);
}

bool writetessary(const QString &zip, const QByteArray &xml, const QByteArray &png)
{
    return skinzip::write(zip, {{"skin.xml", xml}, {"skin.png", png}, {"preview.png", "preview"}});
}

// The size of the sheet in the new skin, for the report.
QString sheetsize(const QString &zip)
{
    QByteArray png = skinzip::entry(zip, "skin.png");
    QBuffer buffer(&png);
    const QSize size = QImageReader(&buffer, "png").size();
    return QString("%1 x %2").arg(size.width()).arg(size.height());
}

// Runs Create Skin without a window on a Tessary zip of xml and png (the
// fixture's picture when empty) and project, laid out on a desktop of
// screen and made for it.
bool createskin(const QByteArray &xml, QByteArray png = QByteArray(),
                const QByteArray &projecttext = fixtureskin::project(fixtureskin::modules()),
                const QSize &screen = fullhd)
{
    QTemporaryDir files;
    const QString zip = files.filePath("tessary.zip");
    const QString project = files.filePath("project.xml");
    if (png.isEmpty()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        fixtureskin::skinimage().save(&buffer, "PNG");
    }
    if (!writetessary(zip, xml, png) || !testsupport::writeFile(project, projecttext))
        return false;
    png.clear();
    HeadlessJob rig(zip, QStringLiteral("Memory"), screen.width(), screen.height());
    rig.model.skinwidth = screen.width();
    rig.model.skinheight = screen.height();
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    const bool unpacked = job.unpack();
    const bool read = unpacked && job.readproject(project);
    const CreateSkinJob::Failure failure = read ? job.build() : CreateSkinJob::Failure::Unpack;
    job.cleanup();
    if (failure != CreateSkinJob::Failure::None)
        std::fprintf(stderr, "%s\n", qPrintable(job.failuretext(failure)));
    else
        std::fprintf(stderr, "sheet %s\n", qPrintable(sheetsize(rig.paths.targetzip)));
    // The tiny-element skin shows no module, and stops there.
    return unpacked && (!read || failure == CreateSkinJob::Failure::None);
}

bool tinyskin()
{
    const QByteArray root = "<skin>";
    return createskin(filled(root + "</skin>", root, "<a b=\"\"/>", (fileio::skinxmllimits.nodes - 10) / 2,
                             fileio::skinxmllimits.bytes / 4));
}

bool applyatbounds()
{
    QTemporaryDir files;
    const QString project = files.filePath("project.xml");
    const QString host = files.filePath("settings.xml");
    if (!testsupport::writeFile(project, projectatbounds()) || !testsupport::writeFile(host, hostatbounds()))
        return false;
    return projectapply::applyfile(project, host, QStringLiteral("Tessary"), 1920).result
           == projectapply::Applied::HostOutOfBounds;
}

// The kind that costs most, as the benchmark found it.
const QString worstkind = QStringLiteral("button");

bool everythingheadless(const QSize &screen)
{
    return createskin(skinatbounds(worstkind, sheetpieces(screen)), pictureatbound(), projectatbounds(screen),
                      screen);
}

// The tool's files in the Documents folder of the temporary home a window
// case runs in, written before it starts: its settings, the host folder
// with the Tessary zip and the host's settings, and the current project;
// the sheet's pieces fill it on the desktop the tool runs on.
bool writetoolfiles(const QString &documents, const QSize &screen)
{
    const QString host = documents + "/Quorvelin";
    const QString project = documents + "/project.xml";
    const QStringList settings = {"qrnfolder," + host, "tyname,Tessary", "projectname,Bounds",
                                  "projectpath," + project, "skinname,Memory"};
    return testsupport::writeFile(documents + "/TYX/settings.tyx", (settings.join("\r\n") + "\r\n").toUtf8())
           && testsupport::writeFile(project, projectatbounds(screen))
           && testsupport::writeFile(host + "/settings.xml", hostatbounds()) && QDir().mkpath(host + "/Skins")
           && writetessary(host + "/Skins/Tessary.zip", skinatbounds(worstkind, sheetpieces(screen)),
                           pictureatbound());
}

bool windowatrest()
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(500);
    return true;
}

bool windowjob()
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.findChild<QLineEdit *>("lineEdit")->setText("Memory");
    MessageBoxDriver driver;
    window.findChild<QPushButton *>("dothejob")->click();
    const QString last = driver.boxes.isEmpty() ? QString() : driver.boxes.last().text;
    std::fprintf(stderr, "%s\n", qPrintable(last));
    return last == createskinjob::donetext("Memory");
}

bool windowapply()
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    MessageBoxDriver driver({QMessageBox::Yes});
    window.findChild<QAction *>("actionDefault")->trigger();
    const QString last = driver.boxes.isEmpty() ? QString() : driver.boxes.last().text;
    std::fprintf(stderr, "%s\n", qPrintable(last));
    return last.contains(QStringLiteral(" with this project is larger than any real one"));
}

struct Case
{
    QString name;
    std::function<bool()> run;
    bool window = false;   // runs in a temporary home, with the display
};

const QString kindprefix = QStringLiteral("Create Skin, skin.xml at its bounds, as ");

QList<Case> cases()
{
    QList<Case> all;
    for (const DispatchRow &row : defaultdispatchtable()) {
        const QString kind = row.tag;
        all.append({kindprefix + kind, [kind] { return createskin(skinatbounds(kind)); }});
    }
    all.append({"Create Skin, skin.xml at its bounds, buttons with its bytes spread over their actions",
                [] { return createskin(skinatbounds(worstkind, QByteArray(), true)); }});
    all.append({"Create Skin, skin.xml at its bounds, buttons of one attribute", [] {
                    return createskin(filled(fixtureskin::skinxml(), leftdeck, "<button a=\"\"/>",
                                             (fileio::skinxmllimits.nodes - 1000) / 2, fileio::skinxmllimits.bytes));
                }});
    all.append({"Create Skin, skin.xml of tiny elements", tinyskin});
    all.append({"Create Skin, skin.png at its bound", [] { return createskin(fixtureskin::skinxml(), pictureatbound()); }});
    all.append({"Create Skin, the sheet at its bound",
                [] { return createskin(fixtureskin::skinxml().replace(leftdeck, leftdeck + sheetpieces()),
                                       pictureatbound()); }});
    all.append({"Create Skin, the sheet at its bound, on an 8K desktop",
                [] { return createskin(fixtureskin::skinxml().replace(leftdeck, leftdeck + sheetpieces(eightk)),
                                       pictureatbound(),
                                       fixtureskin::project(fixtureskin::modules(), eightk.width(), eightk.height()),
                                       eightk); }});
    all.append({"Apply, project and host at their bounds", applyatbounds});
    all.append({"Create Skin, every input at its bound", [] { return everythingheadless(fullhd); }});
    all.append({"Create Skin, every input at its bound, on an 8K desktop", [] { return everythingheadless(eightk); }});
    all.append({"The tool at rest", windowatrest, true});
    all.append({"The tool, Create Skin with every input at its bound", windowjob, true});
    all.append({"The tool, Apply with every input at its bound", windowapply, true});
    return all;
}

long peakmebibytes()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

const char desktopquestion[] = "--desktop";
const char runcase[] = "--run";

// The size of the display's primary screen, which the tool makes its skins
// for: asked of a child on the display, as this process draws offscreen.
QSize displaydesktop(const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {desktopquestion});
    child.waitForFinished(-1);
    const QStringList sides = QString::fromLocal8Bit(child.readAllStandardOutput()).split(' ');
    return sides.size() == 2 ? QSize(sides[0].toInt(), sides[1].toInt()) : QSize();
}

// Runs one case in a child process; its peak, or -1 when it failed.
long runchild(const Case &one, QTextStream &out)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (one.window) {
        if (!environment.contains("DISPLAY")) {
            out << one.name << ": needs a display\n";
            return 0;
        }
        environment.insert("QT_QPA_PLATFORM", "xcb");
        const QSize desktop = displaydesktop(environment);
        if (desktop.isEmpty() || !writetoolfiles(home.filePath("Documents"), desktop)) {
            out << one.name << ": its files could not be written\n";
            return -1;
        }
        environment.insert("HOME", home.path());
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
            environment.remove(name);
    } else {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {runcase, one.name});
    child.waitForFinished(-1);
    const QString answer = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
    out << one.name << ": " << answer << " MiB\n";
    out.flush();
    return child.exitCode() == 0 ? answer.toLong() : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QList<Case> all = cases();
    if (argc == 2 && qstrcmp(argv[1], desktopquestion) == 0) {
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        out << desktop.width() << " " << desktop.height();
        return 0;
    }
    if (argc == 3 && qstrcmp(argv[1], runcase) == 0) {
        for (const Case &one : all) {
            if (one.name == QString::fromLocal8Bit(argv[2])) {
                const bool done = one.run();
                out << (done ? "" : "failed ") << peakmebibytes() << "\n";
                return done ? 0 : 1;
            }
        }
        return 2;
    }
    long largest = 0;
    long worstkindpeak = 0;
    QString worst;
    const QStringList chosen = app.arguments().mid(1);
    for (const Case &one : all) {
        const auto named = [&](const QString &text) { return one.name.contains(text); };
        if (!chosen.isEmpty() && std::none_of(chosen.cbegin(), chosen.cend(), named))
            continue;
        const long peak = runchild(one, out);
        if (peak < 0)
            return 1;
        largest = qMax(largest, peak);
        if (one.name.startsWith(kindprefix) && peak > worstkindpeak) {
            worstkindpeak = peak;
            worst = one.name.mid(kindprefix.size());
        }
    }
    if (!worst.isEmpty())
        out << "worst kind " << worst << ": " << worstkindpeak << " MiB\n";
    out << "largest peak " << largest << " MiB\n";
    return 0;
}
