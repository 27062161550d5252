#pragma once

#include <functional>

// Wall-clock seconds that one run of step takes.
double secondsOf(const std::function<void()> &step);
