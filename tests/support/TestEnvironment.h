#pragma once
// What every test run sets up before its application object: the offscreen platform
// unless another is asked for, and settings and cache folders of its own, so no test ever
// touches the user's settings file or the desktop's shared thumbnails. The folders go
// when the run ends.

#include <QTemporaryDir>

#include <cstdlib>

class TTestEnvironment {
public:
    TTestEnvironment()
    {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
        setenv("XDG_CACHE_HOME", cache_.path().toLocal8Bit().constData(), 1);
    }

private:
    QTemporaryDir config_;
    QTemporaryDir cache_;
};
