#include "browse/Drives.h"

#include "toolkit/Platform.h"

namespace {

bool Holds(const std::string& drive, const std::string& folder)
{
    if (drive.size() == 1 && drive[0] == PathDelim)
        return true;
    return folder.compare(0, drive.size(), drive) == 0
           && (folder.size() == drive.size() || folder[drive.size()] == PathDelim);
}

} // namespace

int DriveIndexOf(const std::vector<std::string>& drives, const std::string& folder)
{
    int best = 0;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (Holds(drives[i], folder) && drives[i].size() >= bestLength) {
            best = static_cast<int>(i);
            bestLength = drives[i].size();
        }
    }
    return best;
}
