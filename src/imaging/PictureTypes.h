#pragma once
// The picture types Mode > "All Picture Types" adds to the JPEG and BMP files Lumora
// shows by default. The switch is the user-interface thread's to change; workers read it
// through the container's registry and PictureCodecFor, which a change reaches at once.

#include <string>
#include <vector>

class TPictureCodec;

struct TAddedType {
    std::vector<std::string> extensions;  // without the dot, lower case
    std::string description;              // as the container registers it
    const TPictureCodec* codec;           // nullptr: a JPEG under another extension
    std::vector<std::string> mimeTypes;   // what the desktop entry announces
};

// Every type the switch adds, in the order the file list's mask names them.
const std::vector<TAddedType>& AddedPictureTypes();

bool AllPictureTypes();
// Registers the added types with the picture container, or takes them out again.
void SetAllPictureTypes(bool on);

// The file list's mask: "*.jpg;*.bmp", and with the switch on every added extension.
std::string PictureMask();

// The reader for fileName's extension while the switch is on; nullptr for JPEG and BMP,
// for other extensions, and for every file while it is off.
const TPictureCodec* PictureCodecFor(const std::string& fileName);

// Whether fileName has an extension the switch adds, on or off: a picture named from
// outside of such a type asks whether to show all picture types.
bool IsAddedPictureType(const std::string& fileName);

// Whether fileName is a JPEG under one of the extensions the switch adds (.jpe, .jfif).
bool IsAddedJPEGName(const std::string& fileName);
