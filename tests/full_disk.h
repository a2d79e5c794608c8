#pragma once

#include <QtGlobal>
#include <csignal>
#include <sys/resource.h>

// A full disk, as far as this process is concerned: files stop growing at a few bytes, and the
// write that would go beyond fails instead of ending the process.
class FullDisk final
{
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = m_saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    Q_DISABLE_COPY(FullDisk)

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};
