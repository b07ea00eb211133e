#include "services/messages.h"

#include "frame/draw_helpers.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "services/common_assets.h"
#include "services/display_setup.h"

std::vector<Comment> Comments;

void AddComment(const std::string& txt, int c) {
    Comment comment;
    comment.txt = txt;
    comment.c = c;
    Comments.push_back(comment);
}

void DrawComments() {
    int y = ScreenHeight - 16;
    platform::SetScale(1, 1);
    UseFont(Fonts[3]);
    for (size_t i = 0; i < Comments.size();) {
        Comment& comment = Comments[i];
        ++comment.tick;
        bool fresh = comment.tick < 60;
        // The new message is highlighted yellow with black text for its first second.
        if (fresh) SetDrawColour(255, 255, 0, 0.7);
        else SetDrawColour(0, 0, 0, 0.7);
        platform::DrawRect(0, y, platform::TextWidth(comment.txt), platform::TextHeight(comment.txt));
        if (fresh) SetDrawColour(0, 0, 0, 1);
        else SetDrawColour(255, 255, 255, 1);
        DrawTextAligned(0, y, comment.txt, 0, 0);
        y -= 14;
        if (comment.tick == 180) {
            Comments.erase(Comments.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
}
