// Saves killed at random moments while they rewrite a document in place (over a hard-linked
// document, and over another user's document in a sticky folder): every kill leaves the
// document old or new whole, or its old bytes whole in the backup, and a save that completes
// leaves nothing beside the document.

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/Backups.h"
#include "platform/Files.h"
#include "tests/support/Environment.h"
#include "tests/support/OtherUsers.h"
#include "tests/support/SavedFiles.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::Bytes;
using testing_support::EntriesIn;
using testing_support::kBodyTrue;
using testing_support::kNoOtherUser;
using testing_support::Pattern;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// About the size of a school year's document with a full diary, and a new one.
constexpr std::size_t kLargeDocument = 1100000;
constexpr std::size_t kSmallDocument = 2000;
// Kills for each direction (growing, shrinking): enough to reach every step of a save within
// a second or two. More are run by hand with --gtest_repeat.
constexpr int kKills = 25;

// A disk that writes a little at a time, as a slow or busy one does, so that a good share of
// the kills fall while the document's bytes are being written.
class SlowDisk final : public platform::FileCalls {
  public:
    std::ptrdiff_t WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                           std::int64_t offset) override {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
        return FileCalls::WriteAt(fd, data, std::min<std::size_t>(size, 16384), offset);
    }
};

// A save of `fresh` over `path` in a child process, as the user `saver` where the tests run as
// root, started and about to begin.
struct StartedSave {
    pid_t pid = -1;
    Clock::time_point began;
};

StartedSave StartSave(const std::string& path, const Bytes& fresh, uid_t saver) {
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        if (testing_support::RunAsRoot() && saver != 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(saver) != 0 || ::setuid(saver) != 0))
            ::_exit(kNoOtherUser);
        platform::SetFileCalls(std::make_unique<SlowDisk>());
        const char go = 1;
        if (::write(ready[1], &go, 1) != 1) ::_exit(kNoOtherUser);
        ::_exit(testing_support::SaveBytes(path, fresh) ? kBodyTrue : testing_support::kBodyFalse);
    }
    ::close(ready[1]);
    char go = 0;
    // Nothing to read when the child could not become the saver.
    [[maybe_unused]] const ssize_t read = ::read(ready[0], &go, 1);
    ::close(ready[0]);
    return {child, Clock::now()};
}

// The exit status of a save's process, or -1 when it was killed.
int Ended(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Outcomes {
    int old = 0;
    int fresh = 0;
    int oldInBackup = 0;
    int completed = 0;
};

// The document at `path` (with `others` more entries beside it, hard links among them) saved
// by `saver` and killed `kills` times at random moments of the save.
class KilledSaves {
  public:
    KilledSaves(std::string path, int others, uid_t saver)
        : path_(std::move(path)),
          folder_(std::filesystem::path(path_).parent_path()),
          others_(others),
          saver_(saver) {}

    // False when the machine let the test take on no other user.
    bool Run(const Bytes& old, const Bytes& fresh, int kills, Outcomes& outcomes) {
        WriteBytes(path_, old);
        const StartedSave whole = StartSave(path_, fresh, saver_);
        const int status = Ended(whole.pid);
        if (status == kNoOtherUser) return false;
        EXPECT_EQ(status, kBodyTrue);
        // Kills fall anywhere from the start of a save to a little past its end.
        const auto saveTakes = Clock::now() - whole.began;
        std::random_device seeds;
        const unsigned seed = seeds();
        std::mt19937 random(seed);
        std::uniform_int_distribution<long long> moment(0, saveTakes.count() * 6 / 5);
        for (int kill = 0; kill < kills; ++kill) {
            WriteBytes(path_, old);
            const Clock::duration delay(moment(random));
            const StartedSave save = StartSave(path_, fresh, saver_);
            std::this_thread::sleep_until(save.began + delay);
            ::kill(save.pid, SIGKILL);
            const int ended = Ended(save.pid);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", kill " + std::to_string(kill) +
                         " after " + std::to_string(delay.count()) + " of " +
                         std::to_string(saveTakes.count()) + " ns");
            Check(old, fresh, ended, outcomes);
            for (const std::string& backup : platform::BackupsOf(path_))
                std::filesystem::remove(backup);
        }
        return true;
    }

  private:
    void Check(const Bytes& old, const Bytes& fresh, int ended, Outcomes& outcomes) {
        const Bytes now = ReadBytes(path_);
        const std::vector<std::string> backups = platform::BackupsOf(path_);
        // A backup is made whole before it gets its name.
        for (const std::string& backup : backups) EXPECT_TRUE(ReadBytes(backup) == old) << backup;
        if (now == fresh)
            ++outcomes.fresh;
        else if (now == old)
            ++outcomes.old;
        else if (!backups.empty())
            ++outcomes.oldInBackup;
        else
            ADD_FAILURE() << "neither the old nor the new document, and no backup of the old";
        // Nothing else is left beside the document: no temporary file.
        EXPECT_EQ(EntriesIn(folder_), 1 + others_ + static_cast<int>(backups.size()));
        if (ended != -1) {
            ++outcomes.completed;
            EXPECT_EQ(ended, kBodyTrue);
            EXPECT_TRUE(now == fresh);
            EXPECT_TRUE(backups.empty());
        }
    }

    std::string path_;
    std::filesystem::path folder_;
    int others_;
    uid_t saver_;
};

void Report(const char* what, const Outcomes& outcomes) {
    std::printf(
        "%s: %d kills left the old document, %d the new one, %d the old one in its "
        "backup; %d saves completed first\n",
        what, outcomes.old, outcomes.fresh, outcomes.oldInBackup, outcomes.completed);
}

TEST(KilledSaveTest, OverAHardLinkedDocumentLeavesItOldOrNewOrTheOldInItsBackup) {
    TempDir dir;
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {});
    std::filesystem::create_hard_link(path, dir.File("drugi.ocn"));
    KilledSaves saves(path, 1, ::geteuid());
    Outcomes growing, shrinking;
    const Bytes small = Pattern(kSmallDocument, 1), large = Pattern(kLargeDocument, 2);
    ASSERT_TRUE(saves.Run(small, large, kKills, growing));
    ASSERT_TRUE(saves.Run(large, small, kKills, shrinking));
    Report("growing", growing);
    Report("shrinking", shrinking);
    EXPECT_EQ(ReadBytes(dir.File("drugi.ocn")), ReadBytes(path));
}

TEST(KilledSaveTest, OverAnotherUsersDocumentInAStickyFolderLeavesItOldOrNewOrTheOldInItsBackup) {
    SKIP_UNLESS_ROOT();
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 01777), 0);  // as /tmp
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {});
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    KilledSaves saves(path, 0, testing_support::kNobody);
    Outcomes growing, shrinking;
    const Bytes small = Pattern(kSmallDocument, 1), large = Pattern(kLargeDocument, 2);
    if (!saves.Run(small, large, kKills, growing))
        GTEST_SKIP() << "this machine runs no process as another user";
    ASSERT_TRUE(saves.Run(large, small, kKills, shrinking));
    Report("growing", growing);
    Report("shrinking", shrinking);
    EXPECT_EQ(testing_support::StatOf(path).st_uid, 0u);
}

}  // namespace
