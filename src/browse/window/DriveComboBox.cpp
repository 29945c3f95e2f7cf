#include "browse/window/DriveComboBox.h"

#include "browse/Drives.h"

#include <QFile>
#include <QSignalBlocker>

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit changed(); });
}

void TDriveComboBox::SetDrives(const std::vector<std::string>& drives, const std::string& folder)
{
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& drive : drives)
        addItem(QFile::decodeName(drive.c_str()));
    setCurrentIndex(DriveIndexOf(drives, folder));
}

std::string TDriveComboBox::Drive() const
{
    return QFile::encodeName(currentText()).toStdString();
}
