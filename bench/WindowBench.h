#pragma once
// What a benchmark that opens Lumora's windows sets up before its QApplication.

#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>

// Each figure printed as soon as it is measured; settings of its own in dir, so none of
// the user's are read or written, and unless told otherwise an empty shared thumbnail
// cache there too, so every build is a first visit and the desktop's cache is left alone;
// the offscreen platform unless another is asked for.
enum class TBenchCache { Own, Inherited };
inline void PrepareWindowBench(const QTemporaryDir& dir, TBenchCache cache = TBenchCache::Own)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    if (cache == TBenchCache::Own)
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
