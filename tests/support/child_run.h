#pragma once
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Test bodies that must run in a process of their own: as a user without
// privileges, under a watchdog, or with limits that must not touch the test
// process. The child's GoogleTest failures are printed as they happen and
// make it exit 1, which fails the test here.
namespace test {

struct ChildOptions {
    bool unprivileged = false;        // as "nobody" when this process is root
    unsigned watchdogSeconds = 0;     // SIGALRM ends a child that hangs
    std::function<void()> setUp = {}; // runs first in the child (limits, signals)
};

// The user that the unprivileged cases run as when the tests run as root.
inline bool NobodyIds(uid_t& uid, gid_t& gid) {
    const passwd* user = getpwnam("nobody");
    uid = user ? user->pw_uid : 65534;
    gid = user ? user->pw_gid : 65534;
    return uid != 0;
}

// True when permissions apply to this process: root ignores them.
inline bool RunsAsRoot() {
    return geteuid() == 0;
}

// Runs `body` in a forked child and expects it to end by itself with every
// check passed.
inline void RunInChild(const ChildOptions& options, const std::function<void()>& body) {
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (options.watchdogSeconds) alarm(options.watchdogSeconds);
        if (options.unprivileged && RunsAsRoot()) {
            uid_t uid;
            gid_t gid;
            if (!NobodyIds(uid, gid) || setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(3);
        }
        if (options.setUp) options.setUp();
        body();
        std::fflush(stdout);
        _exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status)
                                   << (WTERMSIG(status) == SIGALRM ? " (it hung)" : "");
    EXPECT_NE(WEXITSTATUS(status), 3) << "could not become an unprivileged user";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a check in the child failed (see above)";
}

// Gives `path` to the user that unprivileged children run as.
inline bool GiveToUnprivileged(const std::string& path) {
    if (!RunsAsRoot()) return true;
    uid_t uid;
    gid_t gid;
    return NobodyIds(uid, gid) && chown(path.c_str(), uid, gid) == 0;
}

// The peak resident memory of this process so far, in KiB.
inline long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace test
