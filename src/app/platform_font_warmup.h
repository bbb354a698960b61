#pragma once

#include <thread>

namespace tavu {

// Reading the system's font configuration is the largest single cost of a start (a few
// milliseconds of parsing before the first text can be measured). Where that is fontconfig,
// it is read on a thread of its own while the application object is set up; wait() before
// the first font is resolved. Elsewhere this does nothing.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

private:
    std::thread thread_;
};

} // namespace tavu
