#include "shell/exit_sequence.h"

#include <gtest/gtest.h>

#include <deque>

namespace lumena {
namespace {

class FakeHost : public ExitHost {
 public:
  bool saved = true;
  bool layers = false;
  std::deque<int> answers;
  std::vector<std::string> log;

  bool WorkSaved() const override { return saved; }
  bool DeskHasLayers() const override { return layers; }
  bool saveSucceeds = true;
  bool SaveWork() override {
    log.push_back("save");
    return saveSucceeds;
  }
  int AskQuestion(std::string_view key) override {
    log.push_back(std::string("ask ") + std::string(key));
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowTip(std::string_view topic) override { log.push_back("tip " + std::string(topic)); }
  void ProcessPendingEvents() override { log.push_back("events"); }
  void OpenAddress(std::string_view address) override { log.push_back("open " + std::string(address)); }
};

using Log = std::vector<std::string>;

TEST(ExitSequence, UnsavedWorkIsOfferedForSavingThenExitIsConfirmed) {
  FakeHost host;
  host.saved = false;
  host.layers = true;
  host.answers = {kAnswerYes, kAnswerYes};
  EXPECT_TRUE(RunExitSequence(host, "https://after.example/"));
  EXPECT_EQ(host.log, (Log{"ask ConfirmSaveSession", "save", "tip TipJobFinished", "ask ConfirmExit", "events",
                           "open https://after.example/"}));
}

TEST(ExitSequence, DecliningExitAfterSavingKeepsTheProgramRunning) {
  FakeHost host;
  host.saved = false;
  host.layers = true;
  host.answers = {kAnswerYes, kAnswerNo};
  EXPECT_FALSE(RunExitSequence(host, "https://after.example/"));
  EXPECT_EQ(host.log, (Log{"ask ConfirmSaveSession", "save", "tip TipJobFinished", "ask ConfirmExit"}));
}

TEST(ExitSequence, NoSaveQuestionForAnEmptyDeskOrSavedWorkAndNothingOpenedForAnEmptyLink) {
  for (const auto& [saved, layers] : {std::pair{true, true}, std::pair{false, false}}) {
    FakeHost host;
    host.saved = saved;
    host.layers = layers;
    host.answers = {kAnswerYes};
    EXPECT_TRUE(RunExitSequence(host, ""));
    EXPECT_EQ(host.log, (Log{"tip TipJobFinished", "ask ConfirmExit"}));
  }
}

TEST(ExitSequence, AFailedSaveKeepsTheProgramRunning) {
  FakeHost host;
  host.saved = false;
  host.layers = true;
  host.saveSucceeds = false;
  host.answers = {kAnswerYes};
  EXPECT_FALSE(RunExitSequence(host, "https://after.example/"));
  EXPECT_EQ(host.log, (Log{"ask ConfirmSaveSession", "save"}));
}

}  // namespace
}  // namespace lumena
