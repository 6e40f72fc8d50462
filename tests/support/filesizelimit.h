#pragma once
// Makes every file this process writes stop growing at a few bytes, as a
// full disk would: while a FileSizeLimit lives, a write past the limit fails
// with EFBIG (the signal the kernel would send for it is ignored).
#include <sys/resource.h>
#include <csignal>

namespace testsupport {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previoushandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        applied = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previoushandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isapplied() const { return applied; }

private:
    rlimit previous {};
    void (*previoushandler)(int) = nullptr;
    bool applied = false;
};

} // namespace testsupport
