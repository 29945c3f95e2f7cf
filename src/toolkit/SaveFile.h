#pragma once
// Ending a QSaveFile so that the file is replaced only when every byte reached the disk.
// Inline, so that every build of the picture code has it without a source of its own.

#include <QSaveFile>

// QSaveFile::commit() renames the file even when flushing its last buffered bytes fell
// short (a full disk): this flushes first and, when anything was not written, cancels,
// leaving the old file as it was. False then.
inline bool CommitWhole(QSaveFile& file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
