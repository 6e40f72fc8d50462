#pragma once
// Helpers shared by the test programs.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace testsupport {

// Reads a whole file; an empty array when it cannot be read.
QByteArray readFile(const QString &path);

// Writes a whole file, creating its folder; returns whether it was written.
bool writeFile(const QString &path, const QByteArray &bytes);

// A user id that is not the one the tests run as, to stand for another
// user.
unsigned int otherUser();

// Writes a file below folder whose path is longer than any path the system
// opens (PATH_MAX): listing its folder shows it, but no user, root
// included, can open it by its path, and nothing blocks. Made through
// open handles; QDir cannot remove it, fileio::removetree can. Returns its
// folder, empty when it could not be made.
QString writeFileBeyondPathLimit(const QString &folder, const QByteArray &bytes);

// Makes folder as a packing run that was killed leaves it: a half-written
// zip and a lock whose process is gone.
bool makeKilledScratch(const QString &folder);

// Document types for root that declare an entity "e", named, as a hostile
// file may declare it: a general entity whose text is `elements` empty
// elements (under the size that Qt's reader bounds each expansion to, so
// every "&e;" makes them all), the same through a parameter entity and
// beside an external identifier, and the last of a chain of `chain`
// entities, each of which stands for the one before.
QList<QPair<QByteArray, QByteArray>> entitydoctypes(const QByteArray &root, int elements = 1000, int chain = 50000);

// While it lives, the calling thread heeds permission bits as a user
// without privileges does: root's capabilities to pass them by
// (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH) leave its effective set and come
// back at the end. So a folder of mode 0444 can be listed but not entered
// by root too, and a test of it runs for every user. heeded says whether
// the bits now bind (they always do for other users).
struct HeedPermissionBits
{
    HeedPermissionBits();
    ~HeedPermissionBits();
    HeedPermissionBits(const HeedPermissionBits &) = delete;
    HeedPermissionBits &operator=(const HeedPermissionBits &) = delete;
    bool heeded = false;
private:
    bool m_dropped = false;
    quint32 m_effective[2] = {0, 0};
};

// Points the temporary folder at folder (made when missing) while it lives.
struct OwnTempFolder
{
    explicit OwnTempFolder(const QString &folder);
    ~OwnTempFolder();
    QByteArray saved;
};

} // namespace testsupport
