#pragma once
// The file list: the files of one folder that match a mask, several selectable at once.
// A view over the names' bytes: a folder of 100,000 files costs one reset, not an item each.

#include <QListView>

#include <string>
#include <vector>

class TFileNames;

class TFileListBox : public QListView {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget* parent = nullptr);

    std::string Directory() const;
    // Points the list at folder and reads it again with the mask.
    void SetDirectory(const std::string& folder);
    // Points the list at folder with a listing of it read elsewhere (ListMatchingFiles).
    void SetListing(const std::string& folder, std::vector<std::string> names);
    // Goes to the drive's own folder.
    void SetDrive(const std::string& drive);
    std::string Mask() const;
    void SetMask(const std::string& mask);

    int Count() const;
    std::string Entry(int index) const;
    bool Selected(int index) const;
    // Selects entry index as well.
    void Select(int index);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Reread();
    void Show(std::vector<std::string> names);

    TFileNames* names_;
    std::string directory_;
    std::string mask_ = "*.*";
};
