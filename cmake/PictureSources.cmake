# The picture code that the sanitized tests, the corpus replay and the fuzzer build
# again with their own flags: the imaging folder and the toolkit's picture services.
# Files are opened and saved by the bytes of their names (PathFile, SaveFile), display
# copies turn a failed load into its error text (Errors, Dialogs) and know the state of
# the file they were made from (FileStamp), and a picture stored on its side is turned on
# a worker while it decodes (WorkerPool).
include(${CMAKE_CURRENT_LIST_DIR}/LogicSources.cmake)
set(LUMORA_PICTURE_SOURCES ${LUMORA_LOGIC_UNITS})
list(FILTER LUMORA_PICTURE_SOURCES INCLUDE REGEX
     "^(imaging/[^/]+|toolkit/(Graphic|Bitmap|Picture|PathFile|SaveFile|Errors|Dialogs|FileStamp|WorkerPool))\\.cpp$")
list(TRANSFORM LUMORA_PICTURE_SOURCES PREPEND ${LUMORA_SRC}/)
