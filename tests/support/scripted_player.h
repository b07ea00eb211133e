// A scripted player for whole-program tests: each step waits for its condition at
// a poll (one per frame), then acts; the next step is looked at from the
// following poll, after the step's wait has passed.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/testing.h"

namespace testenv {

struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
};

struct ScriptedPlayer {
    std::vector<Step> steps;
    size_t next = 0;
    int wait = 0;
    long long polls = 0;
    long long pollLimit = 200000;  // a script that stalls ends the run with a close request
    std::function<void()> everyPoll;
};

ScriptedPlayer& Player();
// Installs the player as the platform's poll hook (the draw log is cleared at each
// poll, so conditions see one frame's drawing).
void StartPlayer();
// True when the frame drew this text.
bool Drew(const std::string& text);
// Moves the pointer and lets frames pass before the next step.
void MoveAndWait(double x, double y, int frames);
// A step that presses button 1 for a few frames and lets go.
void AddClick(std::vector<Step>& steps, std::function<bool()> ready, double x, double y);

}  // namespace testenv
