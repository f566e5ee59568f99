// Ways to make a file system operation fail part way, for fault tests.
#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

// Files may grow to a few hundred bytes only, so the write fails part way.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// Makes the directory read-only for this thread, also when it runs as root: the
// file system then checks an unprivileged user's rights.
class ReadOnlyDirectory
{
public:
    explicit ReadOnlyDirectory(const QString& dir) : dir_(dir)
    {
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        if (geteuid() == 0)
            setfsuid(65534);
    }
    ~ReadOnlyDirectory()
    {
        if (geteuid() == 0)
            setfsuid(0);
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    QString dir_;
};
