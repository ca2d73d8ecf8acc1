#pragma once
// A workspace with a temporary folder, a file-size limit and file
// permissions that bind root, for the file tests.
#include "core/Fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    // Saves the model under `name` and forgets what the save showed.
    QString saveAs(const QString &name)
    {
        QString file = path(name);
        EXPECT_TRUE(Write_Model_File(ws, file, false));
        ws.hooks.captions.clear();
        return file;
    }

    QTemporaryDir dir;
    TestWorkspace ws;
};

#ifdef Q_OS_LINUX
// The process's file-size limit for the life of the object. The signal a
// write beyond it raises is ignored, as the programs ignore it, so the write
// fails with "File too large".
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_old{};
    void (*m_previousHandler)(int) = nullptr;
};

// Root passes every permission check through two capabilities. Without them
// in its effective set (for the life of the object) it meets file
// permissions as any user does. Another user has nothing to drop.
class PermissionsApply {
public:
    PermissionsApply() : m_dropped(geteuid() == 0 && setOverride(false)) {}
    ~PermissionsApply() { m_dropped &&setOverride(true); }
    bool apply() const { return m_dropped || geteuid() != 0; }

private:
    static bool setOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            return false;
        for (unsigned cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
            auto &effective = data[cap / 32].effective;
            effective = on ? effective | 1u << (cap % 32) : effective & ~(1u << (cap % 32));
        }
        return syscall(SYS_capset, &header, data) == 0;
    }

    bool m_dropped;
};
#endif
