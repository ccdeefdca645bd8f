// Changes made all or nothing through the journal: its encoding refuses every torn or damaged
// journal, a change is applied whole or put back, and a journal left by a crash completes the
// change at the next start however much of it had reached the files.
#include <gtest/gtest.h>

#include <fstream>

#include "store/journal.h"
#include "test_platform.h"

namespace ventro {
namespace {

class JournalTest : public ::testing::Test {
 protected:
  Path At(const std::string& name) const { return dir_.path() / name; }
  Path Journal() const { return At(kJournalFileName); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(At(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string Read(const std::string& name) const {
    return files_.ReadAll(At(name)).value_or("<missing>");
  }
  // Three files each changed one way, one of them made by the change.
  FileChange ThreeKinds() {
    FileChange change;
    change.Overwrite(At("stock.dat"), 2, "XY");
    change.Append(At("log.dat"), 4, "5678");
    change.Replace(At("new.cfg"), "settings");
    change.Append(At("log.dat"), 8, "9");
    return change;
  }
  void WriteBefore() {
    Write("stock.dat", "abcdef");
    Write("log.dat", "1234torn");
  }
  void ExpectAfter() const {
    EXPECT_EQ(Read("stock.dat"), "abXYef");
    EXPECT_EQ(Read("log.dat"), "123456789");
    EXPECT_EQ(Read("new.cfg"), "settings");
  }

  test::TempDir dir_;
  mutable test::FaultyFiles files_;
};

TEST_F(JournalTest, EveryTornOrDamagedJournalIsRefused) {
  const FileChange change = ThreeKinds();
  const std::string bytes = *EncodeJournal(change, dir_.path());
  std::optional<FileChange> decoded = DecodeJournal(bytes, dir_.path());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->parts(), change.parts());

  for (size_t length = 0; length < bytes.size(); ++length) {
    EXPECT_FALSE(DecodeJournal(bytes.substr(0, length), dir_.path())) << length;
  }
  for (size_t at = 0; at < bytes.size(); ++at) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
    EXPECT_FALSE(DecodeJournal(damaged, dir_.path())) << at;
  }
  EXPECT_FALSE(DecodeJournal(bytes + "x", dir_.path()));
}

TEST_F(JournalTest, OnlyFilesInsideTheDataFolderAreNamed) {
  for (const Path& outside : {dir_.path() / ".." / "x.dat", Path("/etc/passwd")}) {
    FileChange change;
    change.Replace(outside, "x");
    EXPECT_FALSE(EncodeJournal(change, dir_.path())) << outside;
  }
  // A journal written by hand that climbs out of the folder is refused like a torn one.
  FileChange inside;
  inside.Replace(At("abc.dat"), "x");
  std::string bytes = *EncodeJournal(inside, dir_.path());
  std::string hostile = bytes;
  hostile.replace(hostile.find("abc"), 3, "../");
  EXPECT_FALSE(DecodeJournal(hostile, dir_.path()));
}

TEST_F(JournalTest, AChangeIsAppliedWholeAndTheJournalRemoved) {
  WriteBefore();
  ChangeResult result = MakeChange(files_, dir_.path(), ThreeKinds());
  EXPECT_TRUE(result.ok);
  ExpectAfter();
  EXPECT_FALSE(files_.Exists(Journal()));
}

TEST_F(JournalTest, ACompleteJournalGivesTheSameFilesHoweverFarTheChangeHadGone) {
  const std::string journal = *EncodeJournal(ThreeKinds(), dir_.path());
  // Nothing applied, half applied, all applied, and applied twice.
  for (int reached = 0; reached < 4; ++reached) {
    WriteBefore();
    std::filesystem::remove(At("new.cfg"));
    if (reached >= 1) Write("stock.dat", "abXYef");
    if (reached >= 2) Write("log.dat", "123456789"), Write("new.cfg", "settings");
    Write(kJournalFileName, journal);
    EXPECT_EQ(RecoverJournal(files_, dir_.path()).recovery, Recovery::kCompleted) << reached;
    if (reached == 3) {
      Write(kJournalFileName, journal);
      RecoverJournal(files_, dir_.path());
    }
    ExpectAfter();
    EXPECT_FALSE(files_.Exists(Journal()));
  }
  EXPECT_EQ(RecoverJournal(files_, dir_.path()).recovery, Recovery::kNone);
}

TEST_F(JournalTest, ATornJournalIsDroppedAndTouchesNothing) {
  WriteBefore();
  const std::string journal = *EncodeJournal(ThreeKinds(), dir_.path());
  Write(kJournalFileName, journal.substr(0, journal.size() - 1));
  EXPECT_EQ(RecoverJournal(files_, dir_.path()).recovery, Recovery::kDropped);
  EXPECT_EQ(Read("stock.dat"), "abcdef");
  EXPECT_EQ(Read("log.dat"), "1234torn");
  EXPECT_FALSE(files_.Exists(At("new.cfg")));
  EXPECT_FALSE(files_.Exists(Journal()));
}

TEST_F(JournalTest, AFileThatCannotBeWrittenPutsBackEverythingAndNamesTheFile) {
  for (const char* failing : {"stock.dat", "log.dat", "new.cfg", kJournalFileName}) {
    WriteBefore();
    std::filesystem::remove(At("new.cfg"));
    files_.failing = {failing};
    ChangeResult result = MakeChange(files_, dir_.path(), ThreeKinds());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failed.filename(), failing);
    EXPECT_EQ(Read("stock.dat"), "abcdef") << failing;
    // A trailing partial record is not worth keeping: the log keeps its whole records.
    EXPECT_EQ(Read("log.dat").substr(0, 4), "1234") << failing;
    EXPECT_FALSE(files_.Exists(At("new.cfg"))) << failing;
    EXPECT_FALSE(files_.Exists(Journal())) << failing;
  }
  // An overwrite of a missing file is refused before anything is written.
  files_.failing.clear();
  std::filesystem::remove(At("stock.dat"));
  ChangeResult result = MakeChange(files_, dir_.path(), ThreeKinds());
  EXPECT_EQ(result.failed, At("stock.dat"));
  EXPECT_EQ(Read("log.dat"), "1234torn");
}

TEST_F(JournalTest, AJournalWaitingForTheNextStartRefusesEveryLaterChange) {
  WriteBefore();
  FileChange pending;
  pending.Overwrite(At("stock.dat"), 0, "Z");
  Write(kJournalFileName, *EncodeJournal(pending, dir_.path()));
  ChangeResult result = MakeChange(files_, dir_.path(), ThreeKinds());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failed, Journal());
  EXPECT_EQ(Read("stock.dat"), "abcdef");

  // A torn one is only litter and is cleared away.
  Write(kJournalFileName, "VJN");
  EXPECT_TRUE(MakeChange(files_, dir_.path(), ThreeKinds()).ok);
  ExpectAfter();
}

}  // namespace
}  // namespace ventro
