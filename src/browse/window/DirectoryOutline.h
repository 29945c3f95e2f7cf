#pragma once
// The folder tree: the whole file system, folders only, with one current folder.
// It reports every change of that folder, whoever made it.

#include <QTreeView>

#include <string>

class TFolderModel;

class TCDirectoryOutline : public QTreeView {
    Q_OBJECT
public:
    explicit TCDirectoryOutline(QWidget* parent = nullptr);

    // The current folder: no trailing separator except for the root.
    std::string Directory() const;
    // Makes folder current and reports the change; a folder that does not exist
    // leaves the tree where it is.
    void SetDirectory(const std::string& folder);
    // Goes to the drive's own folder.
    void SetDrive(const std::string& drive);
    // The tree's rows, one a folder.
    TFolderModel& Folders() const;

    // Up and down as Qt does, never sideways: Qt would bring the right end of the one wide
    // column into view, far from the row's name.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void changed();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Makes folder current without showing it; false when it is no folder or current already.
    bool MoveTo(const std::string& folder);
    void ShowCurrent();
    // Scrolls sideways so that the row's own name is in view, not just its column.
    void ShowName(const QModelIndex& row);

    TFolderModel* model_;
    std::string directory_;
    bool moving_ = false;
    bool following_ = true;  // keep the current folder in view while its folders come in
    bool userInput_ = false;  // a mouse or key event of the user's is being handled
};
