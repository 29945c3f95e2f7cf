#include "browse/ImageTool.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

bool StartImageTool(const std::string& tool, const std::string& folder, const std::string& picture)
{
    const QString inFolder = QFile::decodeName((folder + tool).c_str());
    QProcess process;
    process.setProgram(QFileInfo(inFolder).isFile() ? inFolder : QFile::decodeName(tool.c_str()));
    process.setArguments({QFile::decodeName(picture.c_str())});
    process.setWorkingDirectory(QFile::decodeName(folder.c_str()));
    return process.startDetached();
}
