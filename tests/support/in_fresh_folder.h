// A fixture whose tests run in a fresh folder of their own as the working
// directory, with the game's globals as at program start.
#pragma once
#include "support/program_start.h"
#include "support/replay.h"

#include <gtest/gtest.h>

class InFreshFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
        ResetToProgramStart();
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous_);
        ResetToProgramStart();
    }

private:
    ReplayFolder folder_{false};
    std::filesystem::path previous_;
};
