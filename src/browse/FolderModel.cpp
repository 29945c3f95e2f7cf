#include "browse/FolderModel.h"

#include "toolkit/PathFile.h"
#include "toolkit/Platform.h"

#include <QAbstractFileIconProvider>
#include <QCollator>
#include <QFileInfo>

#include <algorithm>
#include <unordered_set>

namespace {

// The folders in folder, links followed, hidden ones left out; nothing when it cannot be read.
std::vector<std::string> Subfolders(const std::string& folder)
{
    std::vector<std::string> names = FolderNamesIn(folder);
    std::erase_if(names, [](const std::string& name) { return name.front() == '.'; });
    // As the names are shown; bytes decide between names that show alike.
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QString, std::string>> shown;
    shown.reserve(names.size());
    for (std::string& name : names)
        shown.emplace_back(QString::fromStdString(name), std::move(name));
    std::sort(shown.begin(), shown.end(), [&collator](const auto& a, const auto& b) {
        const int order = collator.compare(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    names.clear();
    for (auto& [text, name] : shown)
        names.push_back(std::move(name));
    return names;
}

}  // namespace

struct TFolderModel::TNode {
    std::string name;  // "/" for the root
    TNode* parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<TNode>> children;
    bool listed = false;   // its subfolders were listed at least once
    bool listing = false;  // a listing of them is queued or under way

    std::string Path() const
    {
        if (!parent->parent)
            return name;
        const std::string above = parent->Path();
        return above.size() == 1 ? above + name : above + PathDelim + name;
    }
};

TFolderModel::TFolderModel(QObject* parent) : QAbstractItemModel(parent), top_(std::make_unique<TNode>())
{
    top_->listed = true;
    auto root = std::make_unique<TNode>();
    root->name = std::string(1, PathDelim);
    root->parent = top_.get();
    top_->children.push_back(std::move(root));
    const QAbstractFileIconProvider icons;
    folderIcon_ = icons.icon(QAbstractFileIconProvider::Folder);
    rootIcon_ = icons.icon(QFileInfo(QString(PathDelim)));
}

TFolderModel::~TFolderModel() = default;

TFolderModel::TNode* TFolderModel::NodeOf(const QModelIndex& row) const
{
    return row.isValid() ? static_cast<TNode*>(row.internalPointer()) : top_.get();
}

QModelIndex TFolderModel::IndexOf(const TNode* node) const
{
    return node == top_.get() ? QModelIndex() : createIndex(node->row, 0, node);
}

std::string TFolderModel::Folder(const QModelIndex& row) const
{
    const TNode* node = NodeOf(row);
    return node == top_.get() ? std::string() : node->Path();
}

TFolderModel::TNode* TFolderModel::Walk(const std::string& folder) const
{
    TNode* node = top_->children.front().get();
    for (std::size_t start = 0; start < folder.size();) {
        const std::size_t end = std::min(folder.find(PathDelim, start), folder.size());
        const std::string_view name(folder.data() + start, end - start);
        start = end + 1;
        if (name.empty())
            continue;
        const auto child = std::find_if(node->children.begin(), node->children.end(),
                                        [name](const std::unique_ptr<TNode>& c) { return c->name == name; });
        if (child == node->children.end())
            break;
        node = child->get();
    }
    return node;
}

QModelIndex TFolderModel::Row(const std::string& folder) const
{
    TNode* node = Walk(folder);
    return node->Path() == folder ? IndexOf(node) : QModelIndex();
}

QModelIndex TFolderModel::Nearest(const std::string& folder) const
{
    return IndexOf(Walk(folder));
}

void TFolderModel::Queue(TNode* node)
{
    if (node == top_.get() || node->listing)
        return;
    node->listing = true;
    queued_.push_back(node->Path());
}

void TFolderModel::List(const QModelIndex& row)
{
    Queue(NodeOf(row));
    ListQueued();
}

void TFolderModel::ListToward(const std::string& folder)
{
    std::vector<TNode*> way;
    for (TNode* node = Walk(folder); node != top_.get(); node = node->parent)
        way.push_back(node);
    // From the root down, as they are shown.
    for (auto node = way.rbegin(); node != way.rend(); ++node)
        Queue(*node);
    ListQueued();
}

void TFolderModel::ListQueued()
{
    if (listing_.Running() || queued_.empty())
        return;
    const std::vector<std::string> folders = std::exchange(queued_, {});
    listing_.Start(
        static_cast<int>(folders.size()), [folders](int i) { return Subfolders(folders[static_cast<std::size_t>(i)]); },
        [this, folders](int i, std::vector<std::string>& names) {
            Merge(folders[static_cast<std::size_t>(i)], names);
            return true;
        },
        {},
        [this, folders](const TJobEnd& end) {
            // A folder whose listing failed can be asked for again.
            for (auto i = static_cast<std::size_t>(end.applied); i < folders.size(); ++i)
                if (const QModelIndex row = Row(folders[i]); row.isValid())
                    NodeOf(row)->listing = false;
            ListQueued();
        });
}

void TFolderModel::Merge(const std::string& folder, const std::vector<std::string>& names)
{
    const QModelIndex parent = Row(folder);
    if (!parent.isValid())
        return;  // gone from a listing of the folder above it meanwhile
    TNode* node = NodeOf(parent);
    node->listed = true;
    node->listing = false;
    auto& children = node->children;
    const auto renumber = [&children] {
        for (std::size_t i = 0; i < children.size(); ++i)
            children[i]->row = static_cast<int>(i);
    };
    const std::unordered_set<std::string> present(names.begin(), names.end());
    // Folders gone, neighbours in one removal.
    for (auto last = static_cast<int>(children.size()) - 1; last >= 0;) {
        if (present.contains(children[static_cast<std::size_t>(last)]->name)) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && !present.contains(children[static_cast<std::size_t>(first - 1)]->name))
            --first;
        beginRemoveRows(parent, first, last);
        children.erase(children.begin() + first, children.begin() + last + 1);
        renumber();
        endRemoveRows();
        last = first - 1;
    }
    // New folders where the listing puts them; those that stay are in its order already.
    std::unordered_set<std::string> kept;
    for (const auto& child : children)
        kept.insert(child->name);
    std::size_t at = 0;
    for (std::size_t n = 0; n < names.size();) {
        if (kept.contains(names[n])) {
            ++at;
            ++n;
            continue;
        }
        std::size_t end = n;
        while (end < names.size() && !kept.contains(names[end]))
            ++end;
        beginInsertRows(parent, static_cast<int>(at), static_cast<int>(at + end - n - 1));
        for (std::size_t k = n; k < end; ++k) {
            auto child = std::make_unique<TNode>();
            child->name = names[k];
            child->parent = node;
            children.insert(children.begin() + static_cast<std::ptrdiff_t>(at++), std::move(child));
        }
        renumber();
        endInsertRows();
        n = end;
    }
    emit listed(parent);
}

QModelIndex TFolderModel::index(int row, int column, const QModelIndex& parent) const
{
    const TNode* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex TFolderModel::parent(const QModelIndex& child) const
{
    return child.isValid() ? IndexOf(NodeOf(child)->parent) : QModelIndex();
}

int TFolderModel::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : static_cast<int>(NodeOf(parent)->children.size());
}

int TFolderModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool TFolderModel::hasChildren(const QModelIndex& parent) const
{
    // A folder not listed yet may hold folders: it can be opened to see.
    const TNode* node = NodeOf(parent);
    return !node->listed || !node->children.empty();
}

bool TFolderModel::canFetchMore(const QModelIndex& parent) const
{
    const TNode* node = NodeOf(parent);
    return !node->listed && !node->listing;
}

void TFolderModel::fetchMore(const QModelIndex& parent)
{
    List(parent);
}

QVariant TFolderModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const TNode* node = NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        // The whole name, however narrow the tree: a row cut off at its edge still tells.
        return QString::fromStdString(node->name);
    case Qt::DecorationRole:
        return node->parent == top_.get() ? rootIcon_ : folderIcon_;
    default:
        return {};
    }
}
