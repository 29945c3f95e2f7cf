#include "settings/SavedPaths.h"

#include "text/AllTools.h"
#include "toolkit/RunTime.h"

std::string SavedPathCaption(int slot, const std::string& folder)
{
    return "&" + IntToStr(slot) + "." + folder;
}

TSavedPathRecord RecordInSlot(std::int32_t savedPathCount, const std::string& folder)
{
    const int slot = savedPathCount < kSavedPathSlots ? savedPathCount : 0;
    return {slot, SavedPathCaption(slot, folder), slot + 1};
}

namespace {

// The form the settings file gives an empty slot: "&k.0". On Windows every 4-byte caption
// had that form; here the root folder makes "&k./", which is a slot in use.
bool IsReadEmpty(const std::string& caption)
{
    return caption.size() == 4 && caption.back() == '0';
}

} // namespace

std::int32_t CountSavedPaths(const std::vector<TSavedPathEntry>& entries)
{
    std::int32_t count = 0;
    while (count < kSavedPathSlots && static_cast<std::size_t>(count) < entries.size()
           && !IsReadEmpty(entries[static_cast<std::size_t>(count)].caption))
        ++count;
    return count;
}

std::string SavedPathFolder(const std::string& caption, TAllTools& tools)
{
    return tools.Mid(caption, 4, 0);
}
