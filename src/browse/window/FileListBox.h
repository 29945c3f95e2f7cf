#pragma once
// The file list: the files of one folder that match a mask, several selectable at once.

#include <QListWidget>

#include <string>
#include <vector>

class TFileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget* parent = nullptr);

    std::string Directory() const;
    // Points the list at folder and reads it again with the mask.
    void SetDirectory(const std::string& folder);
    // Points the list at folder with a listing of it read elsewhere (ListMatchingFiles).
    void SetListing(const std::string& folder, const std::vector<std::string>& names);
    // Goes to the drive's own folder.
    void SetDrive(const std::string& drive);
    std::string Mask() const;
    void SetMask(const std::string& mask);

    int Count() const;
    std::string Entry(int index) const;
    bool Selected(int index) const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Reread();
    void Show(const std::vector<std::string>& names);

    std::string directory_;
    std::string mask_ = "*.*";
};
