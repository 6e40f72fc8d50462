// tyx-memorybenchmark [CASE]: the peak memory of the tool's work on the
// largest XML files it accepts, each case in a process of its own (the
// program runs itself once per case), as the kernel counts it (the
// resident set's high-water mark).
//
// - Create Skin with a module of 200,000 controls (the largest skin the
//   tests make);
// - Create Skin with a skin.xml at both of its bounds: as many nodes as it
//   may hold, as controls in a shown module, and the rest of its bytes in
//   one long action script;
// - Create Skin with a skin.xml of nothing but tiny elements up to its node
//   bound, which is read whole (it has no windows);
// - Apply with a project and the host's settings.xml each at both of their
//   bounds, the project's nodes in its window record, the host's anywhere.
//
// Each line gives the case and its peak in MB; the last line the largest.
#include "app/createskinjob.h"
#include "app/projectapply.h"
#include "fileio/fileio.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

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

// The nodes a control of the long-action kind takes: the element and its
// six attributes.
const QByteArray control = "<button x=\"1\" y=\"2\" width=\"10\" height=\"10\" action=\"cue\"/>";
constexpr int controlnodes = 6;
const QByteArray leftdeck = "<deck deck=\"left\">";

// Runs Create Skin on the fixture skin with xml as its document.
bool createskin(const QByteArray &xml)
{
    QTemporaryDir files;
    const QString zip = files.filePath("tessary.zip");
    const QString project = files.filePath("project.xml");
    if (!fixtureskin::writezip(zip, true, xml)
        || !testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())))
        return false;
    HeadlessJob rig(zip, QStringLiteral("Memory"), 1920, 1080);
    rig.model.skinwidth = 1920;
    rig.model.skinheight = 1080;
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    const bool unpacked = job.unpack();
    const bool read = unpacked && job.readproject(project);
    const CreateSkinJob::Failure failure = read ? job.build() : CreateSkinJob::Failure::Unpack;
    job.cleanup();
    // The tiny-element skin shows no module, and stops there.
    return unpacked && (!read || failure == CreateSkinJob::Failure::None);
}

bool manycontrols()
{
    return createskin(fixtureskin::skinxml().replace(leftdeck, leftdeck + control.repeated(200 * 1000)));
}

bool skinatbounds()
{
    const int controls = (fileio::skinxmllimits.nodes - 1000) / controlnodes;
    return createskin(filled(fixtureskin::skinxml(), leftdeck, control, controls, fileio::skinxmllimits.bytes));
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
    // A placement is an element with five attributes; the host's nodes are
    // elements with an attribute and the line end before them.
    const QByteArray windowopen = "<window name=\"Tessary:skin\">\r\n";
    const QByteArray placement = "<idx1 visible=\"yes\" x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>";
    const QByteArray projecttext = filled(fixtureskin::project(fixtureskin::modules()), windowopen, placement,
                                          (fileio::smallxmllimits.nodes - 100) / 6, fileio::smallxmllimits.bytes);
    const QByteArray hostopen = "<skins>";
    const QByteArray hostfile = filled("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings>\r\n<options>"
                                       "<QRNScriptGlobalVariables>$A=0=1</QRNScriptGlobalVariables></options>\r\n"
                                       "<skins><skinWindows/></skins>\r\n</settings>\r\n",
                                       hostopen, "\r\n<a b=\"\"/>", (fileio::smallxmllimits.nodes - 100) / 3,
                                       fileio::smallxmllimits.bytes);
    if (!testsupport::writeFile(project, projecttext) || !testsupport::writeFile(host, hostfile))
        return false;
    return projectapply::applyfile(project, host, QStringLiteral("Tessary"), 1920).result
           == projectapply::Applied::Done;
}

struct Case
{
    const char *name;
    std::function<bool()> run;
};

const Case cases[] = {{"Create Skin, 200,000 controls", manycontrols},
                      {"Create Skin, skin.xml at its bounds", skinatbounds},
                      {"Create Skin, skin.xml of tiny elements", tinyskin},
                      {"Apply, project and host at their bounds", applyatbounds}};

long peakmegabytes()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc == 2) {
        for (const Case &one : cases) {
            if (QLatin1String(one.name) == QLatin1String(argv[1])) {
                const bool done = one.run();
                out << (done ? "" : "failed ") << peakmegabytes() << "\n";
                return done ? 0 : 1;
            }
        }
        return 2;
    }
    long largest = 0;
    for (const Case &one : cases) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QLatin1String(one.name)});
        child.waitForFinished(-1);
        const QString answer = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
        out << one.name << ": " << answer << " MB\n";
        out.flush();
        if (child.exitCode() != 0)
            return 1;
        largest = qMax(largest, answer.toLong());
    }
    out << "largest peak " << largest << " MB\n";
    return 0;
}
