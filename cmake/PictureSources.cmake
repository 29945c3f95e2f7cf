# The picture code that the sanitized tests, the corpus replay and the fuzzer build
# again with their own flags: the imaging folder and the toolkit's picture services.
file(GLOB LUMORA_PICTURE_SOURCES CONFIGURE_DEPENDS ${LUMORA_ROOT}/src/imaging/*.cpp)
list(APPEND LUMORA_PICTURE_SOURCES
     ${LUMORA_ROOT}/src/toolkit/Graphic.cpp
     ${LUMORA_ROOT}/src/toolkit/Bitmap.cpp
     ${LUMORA_ROOT}/src/toolkit/Picture.cpp
     # Files are opened and saved by the bytes of their names.
     ${LUMORA_ROOT}/src/toolkit/PathFile.cpp
     ${LUMORA_ROOT}/src/toolkit/SaveFile.cpp
     # Display copies turn a failed load into its error text.
     ${LUMORA_ROOT}/src/toolkit/Errors.cpp
     ${LUMORA_ROOT}/src/toolkit/Dialogs.cpp
     # A picture stored on its side is turned on a worker while it decodes.
     ${LUMORA_ROOT}/src/toolkit/WorkerPool.cpp)
