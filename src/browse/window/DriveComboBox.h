#pragma once
// The drive box: the places a user starts browsing from.

#include <QComboBox>

#include <string>
#include <vector>

class TDriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TDriveComboBox(QWidget* parent = nullptr);

    // Fills the box and selects the drive that holds folder, without a change event.
    void SetDrives(const std::vector<std::string>& drives, const std::string& folder);
    std::string Drive() const;

signals:
    // The user or the program chose another drive.
    void changed();
};
