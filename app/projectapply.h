#pragma once
// Writing a project into the host's settings file, so that the host takes
// the project's modules, groups and window placements for the Tessary skin.
// Everything of the host's own (its other elements, its own script
// variables, the records of its other skins) is carried through.
#include <QByteArray>
#include <QDomDocument>
#include <QString>

#include "fileio/fileio.h"

namespace projectapply {

// The screen width the project's placements refer to: the integer text of its
// first screenwidth. A project without one, or with a width that is not a
// positive number, was laid out for this desktop.
int projectwidth(const QDomDocument &project, float screenwidth);

// The factor from the project's screen to this desktop, one for both axes;
// 1 when either width is unknown, so placements are then copied unchanged.
float scalefactor(float screenwidth, int projectwidth);

// A coordinate of the project scaled to this desktop: the integer text times
// factor, a half rounded up (-2.5 gives -2), within the int range.
QString scaled(const QString &value, float factor);

// Rewrites the host document in place: the Tessary window record (tyname +
// ":skin") becomes the project's first window, scaled by factor, as the last
// child of the host's skinWindows; the "$TYX_" variables become the
// project's, followed by the host's own variables.
void apply(const QDomDocument &project, QDomDocument &host, const QString &tyname, float factor);

// The host document as the host reads it: UTF-8 without byte-order mark,
// declared as such, CR LF line ends. Every node is written as it is, white
// space included, so a document read with its white space comes back as it
// was, but for its attributes, which are written in the order of their names
// (the DOM does not keep theirs); apply() lays out what it adds like the
// nodes around it, and takes away with a record it replaces the white space
// it would have added. read is what reading host came to
// (fileio::parsexml): the document type as the file wrote it, which the DOM
// does not keep whole, and which of the document's children come from it;
// a document read otherwise is written without a document type.
QByteArray hosttext(const QDomDocument &host, const fileio::XmlRead &read);

// What applying a project file to the host's settings file came to.
struct Applied
{
    // HostOutOfBounds: the host's file with the project in it would be
    // refused when read (larger, or holding more nodes, than its bounds).
    enum Result { Done, NoHostFile, ProjectUnread, HostUnread, HostOutOfBounds, HostUnwritten };
    Result result = Done;
    fileio::XmlRead read;   // why the file named by result was not read, or would not be
    QString writeproblem;   // why the host's file was not written
    int projectwidth = 0;   // the screen width the project was laid out for, once read
};

// Writes the project at projectpath into the host's settings file at
// hostfile for the Tessary skin tyname on a desktop screenwidth wide. The
// host's file is written only when both files were read whole and what it
// becomes is within the bounds it is read with, and only through a
// temporary file that replaces it.
Applied applyfile(const QString &projectpath, const QString &hostfile, const QString &tyname, float screenwidth);

} // namespace projectapply
