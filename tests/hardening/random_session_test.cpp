// A long seeded stream of random actions by a person at the viewer. After
// every step the program must show what the model says it should: view
// numbers in their ranges and as the keys made them, the distance never
// wrapping, the step's radio mark, one selector at most, the selector's
// boxes, label and number fields, the focus, the frames drawn. Each run ends
// with exit code 0 and nothing left open; an exit in the middle of the stream
// starts the program again.
//
// The stream is reproducible: its seed is fixed, printed, and can be changed
// with the environment variable MORVAT_RANDOM_SEED.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "render/view_state.h"
#include "shell/shell.h"
#include "tests/hardening/random_actions.h"
#include "tests/hardening/session_checks.h"
#include "tests/hardening/session_model.h"
#include "tests/hardening/viewer_run.h"

namespace {

constexpr std::uint64_t DefaultSeed = 20240611;
constexpr long ActionsWanted = 100000;
// Steps kept for the report of a failure.
constexpr std::size_t StepsRemembered = 12;
// How often the test itself carries the distance near a 32-bit limit: no
// person holds Page Up long enough to get there.
constexpr double DistanceJumpChance = 1.0 / 400;

std::uint64_t Seed() {
    const char* text = std::getenv("MORVAT_RANDOM_SEED");
    if (text == nullptr || *text == '\0') return DefaultSeed;
    return std::strtoull(text, nullptr, 0);
}

class RandomPerson {
public:
    explicit RandomPerson(std::uint64_t seed) : random_(seed) {}

    void BeginRun() {
        if (anyRun_) framesOfEndedRuns_ += model_.swaps;
        anyRun_ = true;
        model_ = StartModel();
    }
    bool RunEnded() const { return model_.ended; }
    const std::string& Failure() const { return failure_; }
    long Actions() const { return actions_; }
    long Steps() const { return steps_; }
    long Frames() const { return framesOfEndedRuns_ + model_.swaps; }

    // Called whenever the program waits: first look, then act.
    bool OnIdle() {
        if (!failure_.empty()) return false;
        if (model_.ended) return Fail("the program still runs after it was ended");
        const std::string differences = CompareWithProgram(model_);
        if (!differences.empty()) return Fail(differences);

        std::ostringstream log;
        std::vector<Action> stepActions;
        if (actions_ >= ActionsWanted) {
            stepActions.push_back(DrawEnding(random_, model_));
        } else {
            if (std::bernoulli_distribution(DistanceJumpChance)(random_)) JumpDistance(log);
            stepActions = DrawStep(random_, model_, true);
        }
        for (const Action& action : stepActions) {
            log << Describe(action) << "; ";
            const bool expected = Expect(model_, action);
            if (Perform(action) != expected) {
                return Fail(Describe(action) + (expected ? " was refused" : " was accepted"));
            }
            ++actions_;
        }
        ExpectPaint(model_);
        Remember(log.str());
        ++steps_;
        return true;
    }

private:
    void JumpDistance(std::ostringstream& log) {
        const int offset = std::uniform_int_distribution<int>(0, 12)(random_);
        const int value = std::bernoulli_distribution(0.5)(random_) ? INT_MAX - offset : INT_MIN + offset;
        distance = value;
        InvalidateRect(MainWindow, nullptr, FALSE);
        ExpectDistanceSet(model_, value);
        log << "(distance set to " << value << ") ";
    }

    void Remember(std::string step) {
        recent_.push_back(std::to_string(steps_) + ": " + std::move(step));
        if (recent_.size() > StepsRemembered) recent_.pop_front();
    }

    bool Fail(const std::string& what) {
        std::ostringstream text;
        text << "after step " << steps_ << " (action " << actions_ << "):\n" << what << "\nlast steps:\n";
        for (const std::string& line : recent_) text << "  " << line << '\n';
        failure_ = text.str();
        return false;
    }

    std::mt19937_64 random_;
    SessionModel model_;
    long actions_ = 0;
    long steps_ = 0;
    bool anyRun_ = false;
    long framesOfEndedRuns_ = 0;
    std::deque<std::string> recent_;
    std::string failure_;
};

TEST(RandomSession, ProgramFollowsTheModelThroughAHundredThousandActions) {
    const std::uint64_t seed = Seed();
    std::cout << "[ seed     ] MORVAT_RANDOM_SEED=" << seed << std::endl;
    SCOPED_TRACE("MORVAT_RANDOM_SEED=" + std::to_string(seed));

    RandomPerson person(seed);
    int runs = 0;
    while (person.Actions() < ActionsWanted) {
        person.BeginRun();
        const ViewerRun run = RunViewer([&person] { return person.OnIdle(); });
        ++runs;
        ASSERT_TRUE(run.started) << "no offscreen OpenGL";
        ASSERT_EQ(person.Failure(), "") << "run " << runs;
        EXPECT_TRUE(person.RunEnded()) << "run " << runs << " ended without being asked to";
        EXPECT_FALSE(run.ranOutOfInput) << "run " << runs;
        EXPECT_EQ(run.exitCode, 0) << "run " << runs;
        EXPECT_EQ(run.windowsLeft, 0) << "run " << runs;
        if (::testing::Test::HasFailure()) break;
    }
    std::cout << "[ actions  ] " << person.Actions() << " actions in " << person.Steps() << " steps, " << person.Frames()
              << " frames, " << runs << " runs" << std::endl;
}

}  // namespace
