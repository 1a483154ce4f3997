#include "propertiesdialog.h"

#include "fileentry.h"
#include "fileoperationdialogs.h"
#include "jobs.h"
#include "mounts.h"
#include "rawpaths.h"

#include "foldermodel.h"
#include "icons.h"
#include "plaintext.h"
#include "shellsources.h"

#include "panels.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarnwick {
namespace {

constexpr std::uint32_t PermissionBits[9] = {0400, 0200, 0100, 040, 020, 010, 04, 02, 01};

QString errnoText(int err)
{
    return QString::fromLocal8Bit(strerror(err));
}

QString shown(const QByteArray &path)
{
    return rawpath::toText(path);
}

QString count(qint64 n, const char *one, const char *many)
{
    // Two forms in English; other languages take as many as they have.
    return n == 1 ? PropertiesDialog::tr(one)
                  : PropertiesDialog::tr(many, nullptr, int(qMin<qint64>(n, INT_MAX)));
}

// "1.2 MB (1,234,567 bytes)"; small sizes once.
QString sizeWithBytes(qint64 bytes)
{
    if (bytes < 1024)
        return count(bytes, QT_TRANSLATE_NOOP("tarnwick::PropertiesDialog", "1 byte"),
                     QT_TRANSLATE_N_NOOP("tarnwick::PropertiesDialog", "%Ln bytes"));
    return PropertiesDialog::tr("%1 (%2)").arg(
        FolderModel::sizeText(bytes),
        count(bytes, QT_TRANSLATE_NOOP("tarnwick::PropertiesDialog", "1 byte"),
              QT_TRANSLATE_N_NOOP("tarnwick::PropertiesDialog", "%Ln bytes")));
}

QString dateText(qint64 ms)
{
    if (ms < 0)
        return PropertiesDialog::tr("Unknown");
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::LongFormat);
}

qint64 msOf(const statx_timestamp &t)
{
    return t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

// Names from the user database, or the number when it has none.
QString ownerName(uid_t uid)
{
    std::vector<char> buf(16384);
    struct passwd pw, *found = nullptr;
    while (getpwuid_r(uid, &pw, buf.data(), buf.size(), &found) == ERANGE && buf.size() < 1 << 20)
        buf.resize(buf.size() * 2);
    return found ? QString::fromLocal8Bit(found->pw_name) : QString::number(uid);
}

QString groupName(gid_t gid)
{
    std::vector<char> buf(16384);
    struct group gr, *found = nullptr;
    while (getgrgid_r(gid, &gr, buf.data(), buf.size(), &found) == ERANGE && buf.size() < 1 << 20)
        buf.resize(buf.size() * 2);
    return found ? QString::fromLocal8Bit(found->gr_name) : QString::number(gid);
}

struct TypeInfo
{
    QString text;
    QIcon icon;
};

// With `lookInside`, the content is looked at too, for files without a
// telling name; opened without blocking and checked once open, so a pipe put
// in the file's place is never waited on. Not for every item of a large
// selection: that would read them all on the user-interface thread.
TypeInfo typeOf(const QByteArray &path, std::uint32_t mode, bool lookInside)
{
    static const QMimeDatabase db;
    if (S_ISDIR(mode))
        return {PropertiesDialog::tr("Folder"), Icons::folder()};
    if (S_ISLNK(mode)) {
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = readlink(path.constData(), target.data(), size_t(target.size()));
        target.resize(n < 0 ? 0 : qsizetype(n));
        return {PropertiesDialog::tr("Link to %1").arg(shown(target)), Icons::symlink()};
    }
    if (!S_ISREG(mode)) {
        const char *name = S_ISFIFO(mode)   ? "inode/fifo"
                           : S_ISSOCK(mode) ? "inode/socket"
                           : S_ISCHR(mode)  ? "inode/chardevice"
                                            : "inode/blockdevice";
        const QMimeType mime = db.mimeTypeForName(QLatin1String(name));
        return {mime.isValid() ? mime.comment() : PropertiesDialog::tr("Special file"),
                Icons::file()};
    }
    QByteArray head;
    const int fd = lookInside ? open(path.constData(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)
                              : -1;
    if (fd >= 0) {
        struct stat st;
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            head.resize(4096);
            const ssize_t n = ::read(fd, head.data(), size_t(head.size()));
            head.resize(n < 0 ? 0 : qsizetype(n));
        }
        close(fd);
    }
    const QString name = shown(rawpath::baseName(path));
    const QMimeType mime = db.mimeTypeForFileNameAndData(name, head);
    const QIcon icon =
        Icons::themed(mime.iconName(), Icons::themed(mime.genericIconName(), Icons::file()));
    if (!mime.isDefault())
        return {mime.comment(), icon};
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return {dot > 0 ? PropertiesDialog::tr("%1 file").arg(name.mid(dot + 1).toUpper())
                    : PropertiesDialog::tr("File"),
            icon};
}

// The one value all items share, if they do.
template <class Items, class F>
auto shared(const Items &items, F value) -> std::optional<decltype(value(items.first()))>
{
    const auto first = value(items.first());
    for (const auto &i : items) {
        if (value(i) != first)
            return std::nullopt;
    }
    return first;
}

QLabel *valueLabel(const QString &text, const char *objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // names may look like markup
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

} // namespace

int PropertiesDialog::read(const QByteArray &path, Item &out)
{
    out.path = path;
    struct statx sx;
    if (statx(AT_FDCWD, path.constData(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME,
              &sx) == 0) {
        out.mode = sx.stx_mode;
        out.uid = sx.stx_uid;
        out.gid = sx.stx_gid;
        out.size = qint64(sx.stx_size);
        out.bornMs = (sx.stx_mask & STATX_BTIME) ? msOf(sx.stx_btime) : -1;
        out.modifiedMs = msOf(sx.stx_mtime);
        out.accessedMs = msOf(sx.stx_atime);
        return 0;
    }
    if (errno != ENOSYS)
        return errno;
    struct stat st; // kernels before statx: no birth time
    if (lstat(path.constData(), &st) != 0)
        return errno;
    out.mode = st.st_mode;
    out.uid = st.st_uid;
    out.gid = st.st_gid;
    out.size = st.st_size;
    out.modifiedMs = st.st_mtim.tv_sec * 1000 + st.st_mtim.tv_nsec / 1000000;
    out.accessedMs = st.st_atim.tv_sec * 1000 + st.st_atim.tv_nsec / 1000000;
    return 0;
}

PropertiesDialog *PropertiesDialog::create(const QList<QByteArray> &paths, QWidget *parent,
                                           UserMessages &messages)
{
    QVector<Item> items;
    QStringList problems;
    for (const QByteArray &path : paths) {
        Item item;
        if (const int err = read(path, item); err == ENOENT || err == ENOTDIR)
            problems << jobtext::noLongerThere(shown(path));
        else if (err != 0)
            problems << tr("“%1” cannot be read: %2.").arg(shown(path), errnoText(err));
        else
            items << item;
    }
    if (!problems.isEmpty()) {
        messages.error(parent, problems.join(QLatin1Char('\n')));
        return nullptr;
    }
    return items.isEmpty() ? nullptr : new PropertiesDialog(std::move(items), messages, parent);
}

PropertiesDialog::PropertiesDialog(QVector<Item> items, UserMessages &messages, QWidget *parent)
    : QDialog(parent), items_(std::move(items)), messages_(messages)
{
    const bool single = items_.size() == 1;
    const Item &first = items_.first();
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    top->addWidget(icon);
    QString title;
    QString typeText;
    if (single) {
        const TypeInfo type = typeOf(first.path, first.mode, true);
        // A volume's top is named for the kind of volume, as My Computer
        // lists it, rather than as a folder.
        const QString volume =
            S_ISDIR(first.mode)
                ? ShellSources::volumeKind(rawpath::toText(first.path), mountedVolumes())
                : QString();
        typeText = volume.isEmpty() ? type.text : volume;
        icon->setPixmap(type.icon.pixmap(32, 32));
        originalName_ = shown(rawpath::baseName(first.path));
        name_ = new QLineEdit(originalName_, this);
        name_->setObjectName(QStringLiteral("name"));
        name_->setAccessibleName(tr("Name"));
        top->addWidget(name_, 1);
        // "/" has no name of its own: its path stands for it.
        title = rawpath::visible(originalName_.isEmpty() ? shown(first.path) : originalName_);
    } else {
        typeText = shared(items_, [](const Item &i) {
                       return typeOf(i.path, i.mode, false).text;
                   }).value_or(tr("Various types"));
        icon->setPixmap(Icons::file().pixmap(32, 32));
        title = tr("%1 items").arg(QLocale().toString(items_.size()));
        top->addWidget(valueLabel(title, "name", this), 1);
    }
    setWindowTitle(plainWindowTitle(tr("Properties of %1").arg(title)));
    widenForTitle(this);
    layout->addLayout(top);

    auto *form = new QFormLayout;
    const auto row = [&](const QString &label, const QString &text, const char *objectName) {
        auto *value = valueLabel(text, objectName, this);
        form->addRow(label, value);
        return value;
    };
    row(tr("Type:"), typeText, "type");
    const auto folder = shared(items_, [](const Item &i) { return rawpath::parentOf(i.path); });
    row(tr("Location:"), folder ? shown(*folder) : tr("Various folders"), "location");
    size_ = row(tr("Size:"), QString(), "size");
    if (single && !S_ISDIR(first.mode)) {
        size_->setText(sizeWithBytes(first.size));
    } else {
        countingFolder_ = single;
        QList<QByteArray> paths;
        for (const Item &i : items_)
            paths << i.path;
        connect(&counter_, &SizeCounter::progress, this,
                [this](const SizeTotals &t) { showCount(t, true); });
        connect(&counter_, &SizeCounter::finished, this, [this](const SizeTotals &t, bool done) {
            if (done)
                showCount(t, false);
        });
        showCount({}, true);
        counter_.start(paths);
    }
    if (single) {
        row(tr("Created:"), dateText(first.bornMs), "created");
        row(tr("Modified:"), dateText(first.modifiedMs), "modified");
        row(tr("Accessed:"), dateText(first.accessedMs), "accessed");
    }
    // Numbers compared, names looked up once: the user database may be remote.
    const auto uid = shared(items_, [](const Item &i) { return i.uid; });
    row(tr("Owner:"), uid ? ownerName(*uid) : tr("Various"), "owner");
    const auto gid = shared(items_, [](const Item &i) { return i.gid; });
    row(tr("Group:"), gid ? groupName(*gid) : tr("Various"), "group");
    addPermissions(form);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

PropertiesDialog::~PropertiesDialog() = default;

void PropertiesDialog::addPermissions(QFormLayout *form)
{
    // Links have no permissions of their own: chmod would change the target.
    QVector<const Item *> own;
    for (const Item &i : items_) {
        if (!S_ISLNK(i.mode))
            own << &i;
    }
    const uid_t me = geteuid();
    const bool editable = !own.isEmpty() && std::all_of(own.begin(), own.end(), [me](auto *i) {
        return me == 0 || i->uid == me;
    });

    auto *grid = new QGridLayout;
    const QString rows[3] = {tr("Owner"), tr("Group"), tr("Others")};
    const QString columns[3] = {tr("Read"), tr("Write"), tr("Execute")};
    for (int c = 0; c < 3; ++c)
        grid->addWidget(new QLabel(columns[c], this), 0, c + 1);
    for (int b = 0; b < 9; ++b) {
        if (b % 3 == 0)
            grid->addWidget(new QLabel(rows[b / 3], this), b / 3 + 1, 0);
        const std::uint32_t bit = PermissionBits[b];
        const auto holders =
            std::count_if(own.begin(), own.end(), [bit](auto *i) { return i->mode & bit; });
        Qt::CheckState state = Qt::Unchecked;
        if (own.isEmpty() || holders == own.size())
            state = Qt::Checked;
        else if (holders > 0)
            state = Qt::PartiallyChecked;
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("perm%1").arg(bit, 3, 8, QLatin1Char('0')));
        box->setAccessibleName(rows[b / 3] + QLatin1Char(' ') + columns[b % 3]);
        box->setTristate(state == Qt::PartiallyChecked);
        box->setCheckState(state);
        box->setEnabled(editable);
        if (!editable && !own.isEmpty())
            box->setToolTip(tr("Only the owner can change the permissions."));
        grid->addWidget(box, b / 3 + 1, b % 3 + 1);
        permissions_[size_t(b)] = box;
        initialPermissions_[size_t(b)] = state;
    }
    form->addRow(tr("Permissions:"), grid);
}

void PropertiesDialog::showCount(const SizeTotals &t, bool counting)
{
    const qint64 folders = std::max<qint64>(0, t.folders - (countingFolder_ ? 1 : 0));
    QString text =
        tr("%1, %2, %3")
            .arg(counting ? FolderModel::sizeText(t.bytes) : sizeWithBytes(t.bytes),
                 count(t.files, QT_TRANSLATE_NOOP("tarnwick::PropertiesDialog", "1 file"),
                       QT_TRANSLATE_N_NOOP("tarnwick::PropertiesDialog", "%Ln files")),
                 count(folders, QT_TRANSLATE_NOOP("tarnwick::PropertiesDialog", "1 folder"),
                       QT_TRANSLATE_N_NOOP("tarnwick::PropertiesDialog", "%Ln folders")));
    if (counting)
        text = tr("Counting… %1").arg(text);
    if (t.unreadable > 0)
        text += QLatin1String(" (") +
                count(t.unreadable,
                      QT_TRANSLATE_NOOP("tarnwick::PropertiesDialog", "1 folder could not be read"),
                      QT_TRANSLATE_N_NOOP("tarnwick::PropertiesDialog",
                                          "%Ln folders could not be read")) +
                QLatin1Char(')');
    size_->setText(text);
}

void PropertiesDialog::done(int result)
{
    if (result == Accepted && !apply())
        return;
    counter_.cancel();
    QDialog::done(result);
}

QString PropertiesDialog::nameRefusal(const QString &name) const
{
    if (const QString reason = unusableNameReason(name); !reason.isEmpty())
        return reason;
    const QByteArray to =
        rawpath::join(rawpath::parentOf(items_.first().path), rawpath::toBytes(name));
    if (rawpath::exists(to))
        return tr("There is already an item named “%1” in this folder.").arg(name);
    return {};
}

bool PropertiesDialog::apply()
{
    // A name left as shown is not renamed, so names that are not valid UTF-8
    // keep their bytes.
    const bool renaming = name_ && name_->text() != originalName_;
    if (renaming) {
        if (const QString refusal = nameRefusal(name_->text()); !refusal.isEmpty()) {
            messages_.error(this, refusal);
            name_->setFocus();
            return false;
        }
    }

    // Only the bits the user changed; each item keeps its own others.
    std::uint32_t set = 0, clear = 0;
    for (size_t b = 0; b < permissions_.size(); ++b) {
        const Qt::CheckState state = permissions_[b]->checkState();
        if (!permissions_[b]->isEnabled() || state == initialPermissions_[b] ||
            state == Qt::PartiallyChecked)
            continue;
        (state == Qt::Checked ? set : clear) |= PermissionBits[b];
    }
    QStringList failures;
    if (set != 0 || clear != 0) {
        QList<QByteArray> paths;
        for (const Item &item : items_)
            paths << item.path;
        failures +=
            runJobModal(Jobs::setPermissions(paths, set, clear), this, JobAsker::dialogs(), false)
                .errors;
    }
    if (renaming) {
        failures += runJobModal(Jobs::rename(items_.first().path, rawpath::toBytes(name_->text())),
                                this, JobAsker::dialogs(), false)
                        .errors;
    }
    if (!failures.isEmpty())
        messages_.error(this, tr("Some changes could not be made.") + QStringLiteral("\n\n") +
                                  failures.join(QLatin1Char('\n')));
    return true;
}

} // namespace tarnwick
