#pragma once

#include "filesearch.h"
#include "founditemsmodel.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPoint;
class QPushButton;
class QTreeView;

namespace tarnwick {

class Launcher;
class OpenAsker;
class UserMessages;

// What the Find window's verbs use; null for the desktop's own.
struct FindWindowServices
{
    UserMessages *messages = nullptr;
    Launcher *launcher = nullptr;
    OpenAsker *openAsker = nullptr;
    // The program "Open Containing Folder" starts; this one when empty.
    QString programPath;
};

// Finds files by name and content below a folder. A window of its own even
// when given a parent; results fill in while the search goes on, and closing
// the window stops it. The results have the file list's verbs.
class FindWindow : public QWidget
{
    Q_OBJECT
public:
    // Told the folder of a result the user opens, to show it there.
    using Navigator = std::function<void(const QString &folder)>;

    using Services = FindWindowServices;

    FindWindow(const QString &folder, Navigator navigator, QWidget *parent = nullptr,
               Services services = {});
    ~FindWindow() override;

    // Searches with what the fields hold; a search still running is replaced.
    void findNow();
    void stop();
    bool isSearching() const { return search_.isRunning(); }

    using enum FoundItemsModel::Column;

signals:
    void searchFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFinished(qint64 found, qint64 unreadable, bool stopped);
    void openResult(const QModelIndex &index);
    void browse();
    void updateTitle();
    void setSearching(bool on);
    void showCount();

    // The results' context menu and its verbs (findwindowverbs.cpp).
    void showMenu(const QPoint &pos);
    QList<int> selectedRows() const;
    QList<QByteArray> selectedPaths() const;
    void openItems();
    void openContainingFolder(int row);
    void deleteItems();

    Navigator navigator_;
    Services services_;
    FileSearch search_;
    FoundItemsModel *model_;
    QLineEdit *named_;
    QLineEdit *containing_;
    QCheckBox *matchCase_;
    QCheckBox *binaryFiles_;
    QLineEdit *lookIn_;
    QCheckBox *subfolders_;
    QPushButton *findNow_;
    QPushButton *stop_;
    QTreeView *results_;
    QLabel *status_;
    // How the last search ended, said beside the count.
    bool stopped_ = false;
    qint64 unreadable_ = 0;
};

} // namespace tarnwick
