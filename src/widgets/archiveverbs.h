#pragma once

#include "archives.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <functional>

class QComboBox;
class QLineEdit;
class QMenu;

namespace tarnwick {

class JobAsker;
class JobRunner;
class UserMessages;

// "Extract Here" and "Compress..." for the panes. Paths are the bytes on disk.
namespace ArchiveVerbs {

// Whether the file at `path` is an archive this program unpacks.
bool isArchive(const QByteArray &path);

// Each archive unpacked beside itself, as a job the runner shows; the
// runners, one a folder.
QList<JobRunner *> extractHere(QWidget *parent, UserMessages &messages, JobAsker &asker,
                               const QList<QByteArray> &archives);

// Asks for the archive's name and format, then packs the items (all in one
// folder) into it beside them.
void compress(QWidget *parent, UserMessages &messages, JobAsker &asker,
              const QList<QByteArray> &items);
// The same with the answers given: false, after telling the user why, when
// `name` cannot be a name.
bool compressAs(QWidget *parent, UserMessages &messages, JobAsker &asker,
                const QList<QByteArray> &items, const QString &name, ArchiveFormat format);

// The name offered: one item's (a file's without its extension), or for
// several the name of their folder.
QString suggestedName(const QList<QByteArray> &items);

// "Extract Here" when every item is an archive by its name (a menu reads
// nothing from the disk), and "Compress...", for items in a folder.
// `extracting` hears of each unpacking started.
void addMenuEntries(QMenu &menu, QWidget *parent, UserMessages &messages, JobAsker &asker,
                    const QList<QByteArray> &items,
                    std::function<void(JobRunner *)> extracting = {});

} // namespace ArchiveVerbs

// The name and the format of a new archive.
class CompressDialog : public QDialog
{
    Q_OBJECT
public:
    CompressDialog(const QString &name, QWidget *parent = nullptr);
    QString name() const;
    ArchiveFormat format() const;

private:
    QLineEdit *name_;
    QComboBox *format_;
};

} // namespace tarnwick
