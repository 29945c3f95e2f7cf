#include "browse/ImageTool.h"

#include "toolkit/PathFile.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace {

// The program a name without "/" stands for: the first executable file of that name
// on PATH; "" when there is none.
std::string LookedUpOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (IsRegularFile(candidate) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Writes all of an error number to the parent; only calls a forked child may make.
void Report(int pipe, int error)
{
    for (std::size_t done = 0; done < sizeof error;) {
        const ssize_t n = ::write(pipe, reinterpret_cast<const char*>(&error) + done, sizeof error - done);
        if (n <= 0 && errno != EINTR)
            return;
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
}

}  // namespace

bool StartImageTool(const std::string& tool, const std::string& folder, const std::string& picture)
{
    // Names are passed as their bytes, so a picture whose name is not UTF-8 reaches the tool.
    const std::string inFolder = folder + tool;
    const std::string program =
        IsRegularFile(inFolder) ? inFolder : (tool.find('/') != std::string::npos ? tool : LookedUpOnPath(tool));
    if (program.empty())
        return false;
    char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(picture.c_str()), nullptr};
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return false;
    // Started by a child that ends at once, so the tool belongs to no one and leaves no zombie;
    // the pipe closes when the tool starts, or carries why it did not.
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(status[0]);
        ::setsid();
        const pid_t started = ::fork();
        if (started == 0) {
            if (folder.empty() || ::chdir(folder.c_str()) == 0)
                ::execve(argv[0], argv, environ);
            Report(status[1], errno);
            ::_exit(127);
        }
        if (started < 0)
            Report(status[1], errno);
        ::_exit(0);
    }
    ::close(status[1]);
    int error = 0;
    ssize_t got = 0;
    if (child > 0) {
        do
            got = ::read(status[0], &error, sizeof error);
        while (got < 0 && errno == EINTR);
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    ::close(status[0]);
    return child > 0 && got == 0;
}
