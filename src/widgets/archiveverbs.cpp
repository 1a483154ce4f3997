#include "archiveverbs.h"

#include "fileoperationdialogs.h"
#include "panels.h"
#include "rawpaths.h"
#include "usermessages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace tarnwick {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveVerbs)
};

} // namespace

namespace ArchiveVerbs {

bool isArchive(const QByteArray &path)
{
    return Archives::isArchive(path);
}

QList<JobRunner *> extractHere(QWidget *parent, UserMessages &messages, JobAsker &asker,
                               const QList<QByteArray> &archives)
{
    QList<JobRunner *> runners;
    Q_UNUSED(messages); // the job reports what is not an archive, per item
    // Each beside itself: one job per folder.
    QMap<QByteArray, QList<QByteArray>> byFolder;
    for (const QByteArray &a : archives)
        byFolder[rawpath::parentOf(a)] << a;
    for (auto it = byFolder.cbegin(); it != byFolder.cend(); ++it) {
        Job *job = Archives::extract(it.value(), it.key());
        job->describe(it.key(), int(it.value().size()));
        runners << runJob(job, parent, asker);
    }
    return runners;
}

QString suggestedName(const QList<QByteArray> &items)
{
    if (items.isEmpty())
        return {};
    const QByteArray first = items.first();
    QByteArray name = rawpath::baseName(items.size() == 1 ? first : rawpath::parentOf(first));
    if (name.isEmpty() || name == "/")
        name = rawpath::baseName(first);
    if (items.size() == 1 && !rawpath::isDir(first)) {
        const qsizetype dot = rawpath::extensionStart(name);
        if (dot > 0)
            name.truncate(dot);
    }
    return rawpath::toText(name);
}

bool compressAs(QWidget *parent, UserMessages &messages, JobAsker &asker,
                const QList<QByteArray> &items, const QString &name, ArchiveFormat format)
{
    if (items.isEmpty())
        return false;
    const QByteArray bytes = rawpath::toBytes(name.trimmed());
    if (bytes.isEmpty() || bytes.contains('/') || bytes == "." || bytes == "..") {
        messages.error(parent,
                       Words::tr("\u201c%1\u201d cannot be the name of an archive.").arg(name));
        return false;
    }
    const QByteArray path =
        rawpath::join(rawpath::parentOf(items.first()), bytes + Archives::suffix(format));
    Job *job = Archives::compress(items, path, format);
    job->describe(rawpath::parentOf(path), int(items.size()));
    runJob(job, parent, asker);
    return true;
}

void compress(QWidget *parent, UserMessages &messages, JobAsker &asker,
              const QList<QByteArray> &items)
{
    if (items.isEmpty())
        return;
    CompressDialog dialog(suggestedName(items), parent);
    while (dialog.exec() == QDialog::Accepted) {
        if (compressAs(parent, messages, asker, items, dialog.name(), dialog.format()))
            return;
    }
}

void addMenuEntries(QMenu &menu, QWidget *parent, UserMessages &messages, JobAsker &asker,
                    const QList<QByteArray> &items, std::function<void(JobRunner *)> extracting)
{
    if (items.isEmpty())
        return;
    const bool allArchives = std::all_of(items.begin(), items.end(), [](const QByteArray &p) {
        return Archives::isArchiveName(rawpath::baseName(p));
    });
    if (allArchives) {
        QAction *extract = menu.addAction(Words::tr("E&xtract Here"));
        QObject::connect(extract, &QAction::triggered, parent,
                         [parent, &messages, &asker, items, extracting] {
                             for (JobRunner *runner : extractHere(parent, messages, asker, items))
                                 if (extracting)
                                     extracting(runner);
                         });
    }
    QAction *pack = menu.addAction(Words::tr("Compre&ss..."));
    QObject::connect(pack, &QAction::triggered, parent, [parent, &messages, &asker, items] {
        compress(parent, messages, asker, items);
    });
}

} // namespace ArchiveVerbs

CompressDialog::CompressDialog(const QString &name, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(Words::tr("Compress"));
    auto *form = new QFormLayout(this);
    name_ = new QLineEdit(name, this);
    name_->selectAll();
    format_ = new QComboBox(this);
    for (ArchiveFormat f : Archives::Formats)
        format_->addItem(Archives::formatName(f), int(f));
    form->addRow(Words::tr("&Name:"), name_);
    form->addRow(Words::tr("&Format:"), format_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Words::tr("&Compress"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to name the archive by, nothing to make.
    connect(name_, &QLineEdit::textChanged, this, [this, buttons](const QString &text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!name.trimmed().isEmpty());
    form->addRow(buttons);
    widenForTitle(this);
}

QString CompressDialog::name() const
{
    return name_->text();
}

ArchiveFormat CompressDialog::format() const
{
    return ArchiveFormat(format_->currentData().toInt());
}

} // namespace tarnwick
