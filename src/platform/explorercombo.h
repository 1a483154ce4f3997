#pragma once

#include <QComboBox>
#include <functional>

namespace tarnwick {

// The address box: shows where the linked tree is, and takes a typed path or
// a pick from its drop-down (the current folder's ancestors) to go there.
class ExplorerCombo : public QComboBox
{
    Q_OBJECT
public:
    using Navigator = std::function<bool(const QString &text)>;

    explicit ExplorerCombo(QWidget *parent = nullptr);

    void showLocation(const QString &path);
    QString location() const { return location_; }
    void setNavigator(Navigator navigator);

    // Requests a move to `text`, as Enter in the edit field does.
    bool go(const QString &text);

signals:
    // The user moved somewhere through the address box.
    void FolderChanged(const QString &folder);

private:
    QString location_;
    Navigator navigator_;
    bool filling_ = false;
};

} // namespace tarnwick
