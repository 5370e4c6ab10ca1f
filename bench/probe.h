#pragma once

#include <functional>
#include <map>
#include <string>

// Figures a benchmark reports: name to value (milliseconds, MB, ratios).
using Figures = std::map<std::string, double>;

// The median time of a piece of work in milliseconds over `runs` runs.
double medianMs(int runs, const std::function<void()> &work);

// This process's resident memory now and at its peak, in MB.
double residentMb();
double peakResidentMb();

// Runs a benchmark in a child process of its own, so that its memory figures
// are its own and no screen or cache of one benchmark helps the next.
Figures inChild(const std::function<Figures()> &benchmark);
