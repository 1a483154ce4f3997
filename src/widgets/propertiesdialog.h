#pragma once

#include "sizecounter.h"
#include "usermessages.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QVector>
#include <array>
#include <cstdint>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace tarnwick {

// What there is to know about one item or several: name, type, folder, size,
// dates, owner and permissions. The name of a single item and the
// permissions can be changed; OK applies the changes. The size of folders is
// counted on a thread of its own while the dialog is open.
class PropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    // The dialog for `paths` (absolute, as on disk), owned by the caller; or
    // null, after telling the user why, when an item is gone or unreadable.
    static PropertiesDialog *create(const QList<QByteArray> &paths, QWidget *parent = nullptr,
                                    UserMessages &messages = UserMessages::dialogs());
    ~PropertiesDialog() override;

    // Accepting applies the changes first; a name that cannot be used keeps
    // the dialog open. However it closes, the count stops.
    void done(int result) override;

    bool isCounting() const { return counter_.isRunning(); }

private:
    struct Item
    {
        QByteArray path;
        std::uint32_t mode = 0;
        std::uint32_t uid = 0;
        std::uint32_t gid = 0;
        qint64 size = 0;
        qint64 bornMs = -1; // unknown when the file system does not say
        qint64 modifiedMs = 0;
        qint64 accessedMs = 0;
    };
    static int read(const QByteArray &path, Item &out);

    PropertiesDialog(QVector<Item> items, UserMessages &messages, QWidget *parent);
    void addPermissions(QFormLayout *form);
    void showCount(const SizeTotals &totals, bool counting);
    // False when the dialog must stay open.
    bool apply();
    QString nameRefusal(const QString &name) const;

    QVector<Item> items_;
    UserMessages &messages_;
    SizeCounter counter_;
    bool countingFolder_ = false; // a single folder: itself is not among its contents
    QLineEdit *name_ = nullptr;   // single items only
    QString originalName_;
    QLabel *size_ = nullptr;
    std::array<QCheckBox *, 9> permissions_{}; // 0400 down to 0001
    std::array<int, 9> initialPermissions_{};  // Qt::CheckState
};

} // namespace tarnwick
