#pragma once
// The settings values as one object, made with the windows and handed to those that read
// them; the settings file's reader and writer work on it directly. Changed tells the
// windows that show a value (the viewer's backdrop) that new values were applied.

#include "settings/SettingsFile.h"

#include <QObject>

class TSharedSettings : public QObject, public TSettings {
    Q_OBJECT
public:
    using QObject::QObject;

    // Save in the options dialog applied new values.
    void Applied();

signals:
    void Changed();
};
