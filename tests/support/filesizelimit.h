#pragma once
// The process's file-size limit (RLIMIT_FSIZE) lowered while the object lives, so that a write
// beyond it fails with EFBIG as on a full disk; SIGXFSZ is ignored meanwhile, so the write
// fails instead of ending the process. Print nothing while it lives: output to a file fails too.

#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        handlerBefore_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, handlerBefore_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    void (*handlerBefore_)(int) = nullptr;
};
