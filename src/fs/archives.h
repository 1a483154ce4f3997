#pragma once

#include "jobs.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Archives: unpacking any format the archive library reads, and packing
// items into the formats offered for writing. Both are jobs: nothing takes
// its final name before it is complete, and nothing an archive holds is
// written outside the folder it is unpacked into.
namespace tarnwick {

enum class ArchiveFormat
{
    Zip,
    TarGz,
    TarXz,
    TarZst,
    SevenZip
};

namespace Archives {

constexpr ArchiveFormat Formats[] = {ArchiveFormat::Zip, ArchiveFormat::TarGz, ArchiveFormat::TarXz,
                                     ArchiveFormat::TarZst, ArchiveFormat::SevenZip};

// ".zip", ".tar.gz" and so on.
QByteArray suffix(ArchiveFormat format);
// What the user picks from, e.g. "Zip (.zip)".
QString formatName(ArchiveFormat format);

// The name without its archive suffix: "photos" for "photos.tar.gz" or
// "photos.TGZ"; a name with no suffix the MIME database knows loses its last
// extension, if any.
QByteArray stem(const QByteArray &name);

// Whether the file at `path` is an archive this program unpacks, by its MIME
// type (its name, else its first bytes); never follows into a folder.
bool isArchive(const QByteArray &path);
// The same by the name alone, reading nothing: for menus, which must not
// wait on a slow disk.
bool isArchiveName(const QByteArray &name);

// Unpacks each archive into `targetFolder`. An archive whose entries share
// one top entry (a folder or a single file) puts that entry there, asking
// when its name is taken; any other goes into a new folder named after it,
// numbered when taken. An encrypted one asks for its password; one that
// unpacks to far more than its size, or more than the disk has free, asks
// before it goes on (an error question: Retry goes on). created: what was
// placed.
Job *extract(const QList<QByteArray> &archives, const QByteArray &targetFolder);

// Packs `items` (all in one folder) into a new archive at `archivePath`,
// each under its own name at the archive's top, folders with all they
// hold, links as links. Asks when `archivePath` is taken. created: the
// archive.
Job *compress(const QList<QByteArray> &items, const QByteArray &archivePath, ArchiveFormat format);

} // namespace Archives

} // namespace tarnwick
