#include "probe.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

namespace {
double statusMb(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return 0;
}
} // namespace

double residentMb()
{
    return statusMb("VmRSS");
}
double peakResidentMb()
{
    return statusMb("VmHWM");
}

Figures inChild(const std::function<Figures()> &benchmark)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::string out;
        for (const auto &[name, value] : benchmark())
            out += name + " " + std::to_string(value) + "\n";
        if (write(pipeEnds[1], out.data(), out.size()) < 0)
            _exit(2);
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string in;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        in.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    Figures figures;
    std::size_t at = 0;
    while (at < in.size()) {
        const std::size_t end = in.find('\n', at);
        const std::string line = in.substr(at, end - at);
        const std::size_t blank = line.rfind(' ');
        figures[line.substr(0, blank)] = std::stod(line.substr(blank + 1));
        at = end + 1;
    }
    return figures;
}
