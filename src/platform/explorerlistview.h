#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QListView;
class QTreeView;
class QStackedLayout;
class QItemSelectionModel;
class QAbstractItemView;

namespace tarnwick {

class FolderModel;
class UserMessages;

// The file list: the contents of one folder in four views over one model.
// View modes switch which view shows the model; the model, its sort and its
// selection stay.
class ExplorerListView : public QWidget
{
    Q_OBJECT
public:
    enum ViewMode
    {
        LargeIcons = 0,
        SmallIcons = 1,
        ListMode = 2,
        Details = 3
    };
    using Navigator = std::function<bool(const QString &path)>;

    explicit ExplorerListView(QWidget *parent = nullptr);
    ~ExplorerListView() override;

    // Properties. Stored preferences arrive as text ("0".."3", "1"/"0"); the
    // text setters convert them and refuse, changing nothing, what they
    // cannot convert.
    int View() const { return view_; }
    bool setView(int mode);
    bool setViewText(const QString &text);
    QString Pattern() const;
    void setPattern(const QString &pattern);
    // `Hidden`: show hidden items. (QWidget::setHidden is taken.)
    bool Hidden() const;
    void setShowHidden(bool on);
    bool setHiddenText(const QString &text);
    bool System() const;
    void setSystem(bool on);
    bool setSystemText(const QString &text);
    bool AllowFileRename() const { return allowRename_; }
    void setAllowFileRename(bool on);
    bool setAllowFileRenameText(const QString &text);
    void setRedraw(bool on);

    int ItemCount() const;
    bool Selected(int index) const;
    void setSelected(int index, bool on);
    QString ItemPath(int index) const;

    // The folder shown; set by the linked tree, or by the list itself when it
    // stands alone.
    QString folder() const;
    void setFolder(const QString &path);
    // Who moves to a folder the user opens in the list: the linked tree, or
    // the list itself when none is set.
    void setNavigator(Navigator navigator);
    void setMessages(UserMessages *messages);

    FolderModel *model() const { return model_; }
    QAbstractItemView *currentView() const;
    // Both inner views, for the window's tab order.
    QList<QAbstractItemView *> views() const;

    // Text "1"/"0" as a switch; nullopt for anything else.
    static std::optional<bool> switchFromText(const QString &text);

signals:
    void FolderChanged(const QString &folder);
    void Click();
    void GotFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(const QModelIndex &index);
    void applyEditTriggers();
    const std::vector<std::pair<int, int>> &selectedRanges() const;

    FolderModel *model_;
    QItemSelectionModel *selection_;
    QStackedLayout *stack_;
    QListView *icons_;
    QTreeView *details_;
    int view_ = SmallIcons;
    bool allowRename_ = true;
    Navigator navigator_;
    UserMessages *messages_;
    // The selection as sorted, disjoint row ranges, rebuilt on the first read
    // after a change: walking every item's `Selected` is then cheap even for
    // 100,000 items.
    mutable std::vector<std::pair<int, int>> selectedRanges_;
    mutable bool selectionDirty_ = true;
};

} // namespace tarnwick
