#include "ProcessMemory.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>

double StatusMegabytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::strlen(field))) / 1024.0;
    return 0;
}

void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

TChildMemory ChildMemory(const std::function<bool()>& work)
{
    int before[2];
    if (pipe(before) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(before[0]);
        const long resident = static_cast<long>(StatusMegabytes("VmRSS:") * 1024.0);
        const bool told = write(before[1], &resident, sizeof resident) == sizeof resident;
        close(before[1]);
        _exit(told && work() ? 0 : 1);
    }
    close(before[1]);
    TChildMemory memory;
    if (read(before[0], &memory.beforeKiB, sizeof memory.beforeKiB) != sizeof memory.beforeKiB)
        memory.beforeKiB = -1;
    close(before[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        memory.peakKiB = usage.ru_maxrss;
    return memory;
}

long ChildPeakKiB(const std::function<bool()>& work)
{
    return ChildMemory(work).peakKiB;
}
