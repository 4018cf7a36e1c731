#pragma once
// A disk that fills up, for the tests of saves: while one lives, this process can write files of
// at most `bytes` bytes; a write past that fails with EFBIG ("File too large") instead of raising
// SIGXFSZ. Both are put back when it goes.

#include <signal.h>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        handler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous_{};
    void (*handler_)(int) = nullptr;
};
