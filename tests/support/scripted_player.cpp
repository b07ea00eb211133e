#include "support/scripted_player.h"

namespace testenv {

ScriptedPlayer& Player() {
    static ScriptedPlayer player;
    return player;
}

bool Drew(const std::string& text) {
    for (const auto& r : platform::DrawLog())
        if (r.op == "text" && r.text == text) return true;
    return false;
}

void MoveAndWait(double x, double y, int frames) {
    platform::ScriptMouseMove(x, y);
    Player().wait = frames;
}

void AddClick(std::vector<Step>& steps, std::function<bool()> ready, double x, double y) {
    steps.push_back({ready, [x, y] { MoveAndWait(x, y, 3); }});
    steps.push_back({[] { return true; }, [] {
                         platform::ScriptMouseDown(1);
                         Player().wait = 3;
                     }});
    steps.push_back({[] { return true; }, [] { platform::ScriptMouseUp(1); }});
}

void StartPlayer() {
    platform::EnableDrawLog(true);
    platform::SetPollHook([](long long) {
        ScriptedPlayer& p = Player();
        ++p.polls;
        if (p.everyPoll) p.everyPoll();
        if (p.polls > p.pollLimit) platform::ScriptClose();
        if (p.wait > 0) {
            --p.wait;
        } else if (p.next < p.steps.size() && p.steps[p.next].ready()) {
            p.steps[p.next].act();
            ++p.next;
        }
        platform::ClearDrawLog();
    });
}

}  // namespace testenv
