#pragma once
// The folder tree's rows: the file system's folders from the root down, hidden ones left
// out. Each folder keeps the bytes of its name as the directory listing gave them; a
// QString cannot hold a name that is not UTF-8, so the text is only what a row shows.
//
// A folder's subfolders are listed on the worker pool when the view first fetches them
// and again whenever they are asked for, so a large or slow folder never holds up the
// window; they come in sorted as a file manager sorts them (numbers by value, without
// regard to case).

#include "toolkit/OrderedJobs.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>
#include <string>
#include <vector>

class TFolderModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TFolderModel(QObject* parent = nullptr);
    ~TFolderModel() override;

    // The folder a row stands for: an absolute path, no trailing separator but the root's.
    std::string Folder(const QModelIndex& row) const;
    // The row of folder (absolute, no trailing separator), invalid while it has none.
    QModelIndex Row(const std::string& folder) const;
    // The row of folder, or of the deepest folder above it that has one.
    QModelIndex Nearest(const std::string& folder) const;
    // Lists a row's subfolders anew, unless that is under way.
    void List(const QModelIndex& row);
    // Lists anew every folder that has a row on the way from the root to folder, folder
    // included: one made there since it was last listed gets its row.
    void ListToward(const std::string& folder);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    // A folder's subfolders have come in, changed or not.
    void listed(const QModelIndex& row);

private:
    struct TNode;

    TNode* NodeOf(const QModelIndex& row) const;
    QModelIndex IndexOf(const TNode* node) const;
    // The node of folder, or the deepest one above it.
    TNode* Walk(const std::string& folder) const;
    void Queue(TNode* node);
    // Starts listing what is queued unless a listing runs; each run takes the whole queue.
    void ListQueued();
    // Brings a folder's rows in line with its new listing, in place: rows that stay keep
    // their subfolders and their place in the views.
    void Merge(const std::string& folder, const std::vector<std::string>& names);

    std::unique_ptr<TNode> top_;  // the invisible parent of the root's row
    std::vector<std::string> queued_;
    TOrderedJobs listing_;
    QIcon folderIcon_;
    QIcon rootIcon_;
};
