#pragma once

#include "background.h"
#include "filesearch.h"

#include <QAbstractTableModel>
#include <QTimer>
#include <functional>
#include <vector>

namespace tarnwick {

// The items a search found, as few bytes each as can be: the paths stay in
// the blocks they arrived in, and each item is one small row beside them.
// Sizes and times the search did not read are read off the window's thread
// for the rows a view shows, or for all when sorted by them. Sorting is the
// model's own, and keeps holding as batches arrive.
class FoundItemsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        NameColumn,
        FolderColumn,
        SizeColumn,
        ModifiedColumn,
        ColumnCount
    };

    explicit FoundItemsModel(QObject *parent = nullptr);
    ~FoundItemsModel() override;

    void clear();
    // Takes what `batch` holds.
    void append(FoundBatch &batch);
    // Rows whose path `gone` says is gone leave the list.
    void removeWhere(const std::function<bool(const QByteArray &path)> &gone,
                     const QList<int> &rows);

    QByteArray pathAt(int row) const;
    QByteArray folderAt(int row) const;
    QByteArray nameAt(int row) const;
    bool isDirAt(int row) const;
    // What the rows and their paths take, for the benchmark.
    qint64 bytesUsed() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Row
    {
        quint32 block;
        quint32 pathAt;
        quint32 pathLength;
        quint32 nameAt;
        quint32 mode; // with Asked once its details are asked for
        quint32 id;   // its place in the order found, which sorting keeps
        qint64 size;  // -1 while not known
        qint64 mtime;
    };
    struct Details
    {
        quint32 id;
        quint32 mode;
        qint64 size;
        qint64 mtime;
    };
    static constexpr quint32 Asked = 0x80000000u; // beyond every st_mode bit
    static constexpr quint32 NoRow = 0xffffffffu;
    QByteArray bytesOf(const Row &row, quint32 from, quint32 length) const;
    QString nameText(const Row &row) const;
    QString folderText(const Row &row) const;
    bool lessThan(const Row &a, const Row &b) const;
    // Puts the rows in the order `order` gives, old row numbers in new
    // places; views keep their selection.
    void reorder(const std::vector<quint32> &order);
    void placeIds(size_t from);
    // Asks for the size and time of `row` when not known.
    void want(size_t row) const;
    void readDetails();
    void takeDetails(quint64 generation, const std::vector<Details> &details, bool last);

    std::vector<QByteArray> blocks_;
    mutable std::vector<Row> rows_; // views asking for a row mark it Asked
    std::vector<quint32> rowOfId_;
    mutable std::vector<quint32> wanted_; // ids
    mutable QTimer wantedTimer_;
    quint64 generation_ = 0; // a clear() drops the details still on their way
    qint64 unknown_ = 0;
    std::vector<TaskHandle> reading_;
    int sortColumn_ = -1; // the order found until the user sorts
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace tarnwick
