#include "../../scheduler/engine/TaskRun.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Plays the started programs from a script of ends; after the script, every start
// ends with 0. Can set the stop flag on a given start, as the stop message would.
class ScriptedStarter : public ProgramStarter {
 public:
  std::vector<ProgramEnd> ends;
  std::vector<RunCommand> started;
  std::function<void(size_t start)> onStart = [](size_t) {};
  size_t limit = 100;  // a run that goes on longer is a runaway loop

  ProgramEnd StartAndWait(const RunCommand& command) override {
    started.push_back(command);
    onStart(started.size());
    if (started.size() > limit) return {false, 0, 0};
    return started.size() <= ends.size() ? ends[started.size() - 1] : ProgramEnd{true, 0, 0};
  }
};

const RunCommand kCommand{L"C:\\Suite\\Sorvane.exe", L"C:\\My Records\\a.REC", true};
constexpr ProgramEnd kDone{true, 0, 0};
constexpr ProgramEnd kStopped{true, kStoppedByUserExitCode, 0};
constexpr ProgramEnd kNotFound{false, 0, 2};

}  // namespace

TEST(TaskRun, RecordsArePlayedByTheRecorderBesideUsAndOtherFilesOpenedDirectly) {
  const struct {
    const wchar_t* script;
    RunCommand expected;
  } cases[] = {
      {L"C:\\My Records\\a.REC", {L"C:\\Suite\\Sorvane.exe", L"C:\\My Records\\a.REC", true}},
      {L"C:\\r\\b.rec", {L"C:\\Suite\\Sorvane.exe", L"C:\\r\\b.rec", true}},
      {L"C:\\tools\\job.bat", {L"C:\\tools\\job.bat", std::nullopt, false}},
      {L"C:\\tools\\job", {L"C:\\tools\\job", std::nullopt, false}},
      {L"C:\\my.rec\\job", {L"C:\\my.rec\\job", std::nullopt, false}},
      {L"C:\\r\\a.rec.bak", {L"C:\\r\\a.rec.bak", std::nullopt, false}},
      {L"C:\\r\\a.recx", {L"C:\\r\\a.recx", std::nullopt, false}},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseRunCommand(c.script, L"C:\\Suite"), c.expected) << c.script;
}

TEST(TaskRun, StartsAsOftenAsCountedUntilTheUserStopsOrAStartFails) {
  const struct {
    const char* name;
    int runCount;
    std::vector<ProgramEnd> ends;
    uint32_t starts;
    bool stoppedByUser;
    std::optional<uint32_t> startError;
  } cases[] = {
      {"three in a row", 3, {}, 3, false, std::nullopt},
      {"stopped in the second", 3, {kDone, kStopped}, 2, true, std::nullopt},
      {"other exit codes count as done", 2, {{true, 1, 0}, {true, 0xFFFFFFFF, 0}}, 2, false, std::nullopt},
      {"none", 0, {}, 0, false, std::nullopt},
      {"unlimited until stopped", -1, {kDone, kDone, kDone, kDone, kStopped}, 5, true, std::nullopt},
      {"other negative counts are very large", -5, {kDone, kDone, kStopped}, 3, true, std::nullopt},
      {"a failed start ends even an unlimited run", -1, {kDone, kNotFound}, 1, false, 2},
      {"a failed first start", 3, {kNotFound}, 0, false, 2},
  };
  for (const auto& c : cases) {
    ScriptedStarter starter;
    starter.ends = c.ends;
    std::atomic<bool> stop = false;
    const RunResult result = RunRepetitions(starter, kCommand, c.runCount, stop);
    EXPECT_EQ(result.starts, c.starts) << c.name;
    EXPECT_EQ(result.stoppedByUser, c.stoppedByUser) << c.name;
    EXPECT_EQ(result.startError, c.startError) << c.name;
    for (const RunCommand& command : starter.started) EXPECT_EQ(command, kCommand) << c.name;
  }
}

TEST(TaskRun, NothingMoreStartsOnceTheRunIsStopped) {
  ScriptedStarter starter;
  std::atomic<bool> stop = false;
  starter.onStart = [&](size_t start) { stop = start == 2; };
  EXPECT_EQ(RunRepetitions(starter, kCommand, -1, stop).starts, 2u);

  stop = true;
  ScriptedStarter untouched;
  EXPECT_EQ(RunRepetitions(untouched, kCommand, 3, stop).starts, 0u);
  EXPECT_TRUE(untouched.started.empty());
}
