#pragma once

#include <QPointer>
#include <QWidget>

class QTreeView;

namespace tarnwick {

class ExplorerCombo;
class ExplorerListView;
class NamespaceModel;
class UserMessages;

// The folder tree. Once linked, it drives the file list and the address box:
// a folder chosen here fills both, and a folder opened in either moves the
// tree.
class ExplorerTreeView : public QWidget
{
    Q_OBJECT
public:
    explicit ExplorerTreeView(QWidget *parent = nullptr);
    ~ExplorerTreeView() override;

    void setLinkedListView(ExplorerListView *list);
    void setLinkedCombo(ExplorerCombo *combo);

    QString CurrentFolder() const { return current_; }
    // Navigates; a path that does not exist or cannot be opened leaves every
    // control where it was and tells the user. "~" is the home folder and a
    // relative path is taken from the current folder.
    bool setCurrentFolder(const QString &path);
    void setRedraw(bool on);
    void setMessages(UserMessages *messages);

    NamespaceModel *model() const { return model_; }
    QTreeView *view() const { return view_; }

    // The absolute, clean path `text` names, seen from `current`.
    static QString resolvePath(const QString &text, const QString &current);
    // Why `path` cannot be shown, or empty when it can.
    static QString refusalFor(const QString &path);

signals:
    void FolderChanged(const QString &folder);
    void GotFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onCurrentChanged(const QModelIndex &current);
    void show(const QString &path);

    NamespaceModel *model_;
    QTreeView *view_;
    QPointer<ExplorerListView> list_;
    QPointer<ExplorerCombo> combo_;
    UserMessages *messages_;
    QString current_;
    bool selecting_ = false;
};

} // namespace tarnwick
