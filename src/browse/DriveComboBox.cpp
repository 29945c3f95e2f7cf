#include "browse/DriveComboBox.h"

#include "toolkit/Platform.h"

#include <QFile>
#include <QSignalBlocker>

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit changed(); });
}

namespace {
bool Holds(const std::string& drive, const std::string& folder)
{
    if (drive.size() == 1 && drive[0] == PathDelim)
        return true;
    return folder.compare(0, drive.size(), drive) == 0
           && (folder.size() == drive.size() || folder[drive.size()] == PathDelim);
}
} // namespace

void TDriveComboBox::SetDrives(const std::vector<std::string>& drives, const std::string& folder)
{
    const QSignalBlocker quiet(this);
    clear();
    int best = 0;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        addItem(QFile::decodeName(drives[i].c_str()));
        // The deepest drive that holds the folder is the folder's drive.
        if (Holds(drives[i], folder) && drives[i].size() >= bestLength) {
            best = static_cast<int>(i);
            bestLength = drives[i].size();
        }
    }
    setCurrentIndex(best);
}

std::string TDriveComboBox::Drive() const
{
    return QFile::encodeName(currentText()).toStdString();
}
