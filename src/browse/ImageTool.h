#pragma once
// Handing the current picture to the external image tool.

#include <string>

// Starts the tool on picture and does not wait for it. The program is folder + tool when
// that file exists, else tool looked up on PATH; it runs in folder, with picture as its
// one argument, never split at blanks. False when it could not be started.
bool StartImageTool(const std::string& tool, const std::string& folder, const std::string& picture);
