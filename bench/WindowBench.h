#pragma once
// What a benchmark that opens Lumora's windows sets up before its QApplication.

#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>

// Each figure printed as soon as it is measured; settings of its own in dir, so none of
// the user's are read or written; the offscreen platform unless another is asked for.
inline void PrepareWindowBench(const QTemporaryDir& dir)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
