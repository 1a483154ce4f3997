#pragma once

#include "filesearch.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick {

// Finds files by name and content below a folder. A window of its own even
// when given a parent; results fill in while the search goes on, and closing
// the window stops it.
class FindWindow : public QWidget
{
    Q_OBJECT
public:
    // Told the folder of a result the user opens, to show it there.
    using Navigator = std::function<void(const QString &folder)>;

    FindWindow(const QString &folder, Navigator navigator, QWidget *parent = nullptr);
    ~FindWindow() override;

    // Searches with what the fields hold; a search still running is replaced.
    void findNow();
    void stop();
    bool isSearching() const { return search_.isRunning(); }

    enum Column
    {
        NameColumn,
        FolderColumn,
        SizeColumn,
        ModifiedColumn,
        ColumnCount
    };

signals:
    void searchFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addResults(const FoundFiles &batch);
    void onFinished(qint64 found, qint64 unreadable, bool stopped);
    void openResult(QTreeWidgetItem *item);
    void browse();
    void updateTitle();
    void setSearching(bool on);

    Navigator navigator_;
    FileSearch search_;
    QLineEdit *named_;
    QLineEdit *containing_;
    QCheckBox *matchCase_;
    QLineEdit *lookIn_;
    QCheckBox *subfolders_;
    QPushButton *findNow_;
    QPushButton *stop_;
    QTreeWidget *results_;
    QLabel *status_;
};

} // namespace tarnwick
