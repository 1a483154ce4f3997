#pragma once

#include "location.h"

#include <QComboBox>
#include <functional>

namespace tarnwick {

struct Volume;

// The address box: shows where the linked tree is, and takes a typed path or
// place name, or a pick from its drop-down (Desktop, My Computer, the
// volumes and the current folder's ancestors), to go there. Folder names
// complete while typing.
class ExplorerCombo : public QComboBox
{
    Q_OBJECT
public:
    // Goes to `location`, or to `orElse` (when valid) if `location` cannot
    // be shown; false when refused.
    using Navigator = std::function<bool(const Location &location, const Location &orElse)>;
    using VolumeSource = std::function<QList<Volume>()>;
    // Goes to a server's place by its address, e.g. sftp://host/dir, or
    // connects it first; false when refused.
    using Connector = std::function<bool(const QString &address)>;

    explicit ExplorerCombo(QWidget *parent = nullptr);

    void showLocation(const Location &location);
    Location location() const { return location_; }
    void setNavigator(Navigator navigator);
    void setVolumeSource(VolumeSource volumes);
    void setConnector(Connector connector) { connector_ = std::move(connector); }
    // What the edit field shows for `location`: a server's place by its
    // address as its user knows it, any other place by its path or name.
    static QString addressText(const Location &location);

    // Requests a move to what `text` names, as Enter in the edit field does:
    // a special place's name, a network address, or a path (absolute, "~",
    // or relative to the current folder).
    bool go(const QString &text);

signals:
    // The user moved somewhere through the address box.
    void FolderChanged(const QString &folder);

private:
    bool goTo(const Location &target, const Location &orElse = {});

    Location location_;
    Navigator navigator_;
    Connector connector_;
    VolumeSource volumes_;
    bool filling_ = false;
};

} // namespace tarnwick
