#pragma once

#include <string>

namespace tavu {

// Only one copy of the program runs at a time. The guard holds an object that the operating
// system releases when the process ends, however it ends, so a crash never locks the user out.
class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const std::string& name);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // False when another running copy already holds the name.
    bool acquired() const { return acquired_; }

private:
    bool acquired_ = false;
#ifdef _WIN32
    void* mutex_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace tavu
