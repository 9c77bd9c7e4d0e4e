// A save of the user dictionary killed at a thousand random points: the process is stopped with
// SIGKILL at a point of the file layer (file_fault_hook.h), and the file on disk must then be the
// old dictionary or the new one, byte for byte, never anything between.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "ime/lexicon/user_file.h"
#include "ime/platform/file_fault_hook.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

// The points a save reaches, and the one to die at (-1: none).
int pointsReached = 0;
int killAtPoint = -1;

void CountOrKill(platform::FileFaultPoint) {
  if (pointsReached++ == killAtPoint) raise(SIGKILL);
}

class UserDictionaryCrash : public UserDictionaryTest {
 protected:
  // Learns onto the file at Path() in this process's own memory, as a process does that has no
  // shared block, and saves.
  void LearnAndSave() {
    UserDictionaryOptions privateBlock = names_;
    privateBlock.blockName = u"Kellavor/No\\Such\\Block";
    UserDictionary dictionary(*dictionaries_, privateBlock);
    dictionary.OpenUserDictionary(Path());
    for (const char16_t* word : {u"Haus", u"Maus", u"Hausaufgabe", u"Straße", u"Mädchen", u"Haus"}) {
      dictionary.LearnWord(word);
    }
    const std::vector<uint16_t> codes = {Syllable(u"zhong"), Syllable(u"guo"), Syllable(u"ren")};
    dictionary.LearnPhrase(u"中国人", codes, 0);
    platform::SetFileFaultHook(CountOrKill);
    dictionary.SaveUserDictionary();
    platform::SetFileFaultHook(nullptr);
  }
};

TEST_F(UserDictionaryCrash, AKilledSaveLeavesTheOldOrTheNewFileNeverADamagedOne) {
  dictionary_.OpenUserDictionary(Path());
  for (const char16_t* word : {u"Auto", u"Baum"}) dictionary_.LearnWord(word);
  ASSERT_TRUE(dictionary_.SaveUserDictionary());
  dictionary_.CloseUserDictionary();
  const std::vector<uint8_t> oldFile = FileBytes(Path());

  // One save to the end: its file, and how many points it passes.
  LearnAndSave();
  const std::vector<uint8_t> newFile = FileBytes(Path());
  const int points = pointsReached;
  ASSERT_NE(newFile, oldFile);
  ASSERT_EQ(CheckUserFile(newFile, dictionaries_->Syllables()), "");
  ASSERT_GT(points, 10) << "the save is written in pieces, each a point of its own";

  std::mt19937 random(20261209);
  int oldSeen = 0;
  int newSeen = 0;
  for (int trial = 0; trial < 1000; ++trial) {
    // A temporary file left by the trial before stays: a save must cope with it.
    ASSERT_TRUE(platform::WriteWholeFile(Path(), oldFile.data(), oldFile.size()));
    pointsReached = 0;
    killAtPoint = static_cast<int>(random() % static_cast<unsigned>(points));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      LearnAndSave();
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "trial " << trial << ", point " << killAtPoint;
    const std::vector<uint8_t> onDisk = FileBytes(Path());
    if (onDisk == oldFile) {
      ++oldSeen;
    } else {
      ASSERT_EQ(onDisk, newFile) << "trial " << trial << " killed at point " << killAtPoint << " of " << points;
      ++newSeen;
    }
  }
  EXPECT_GT(oldSeen, 0);
  EXPECT_GT(newSeen, 0) << "a kill after the replacement leaves the new file";
}

}  // namespace
}  // namespace kellavor::lexicon
