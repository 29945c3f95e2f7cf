#pragma once
// Which drive of the drive box a folder lies on.

#include <string>
#include <vector>

// The position in drives of the deepest drive that holds folder (the root holds every
// folder; later entries win ties); 0 when none does.
int DriveIndexOf(const std::vector<std::string>& drives, const std::string& folder);
