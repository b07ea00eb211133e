// One-line on-screen messages stacked in the bottom-left corner.
#pragma once
#include <string>
#include <vector>

class Comment {
public:
    int tick = 0;     // frames shown so far
    std::string txt;  // the message
    int c = 0;        // caller's value (unused by the drawing)
};

extern std::vector<Comment> Comments;  // oldest first

void AddComment(const std::string& txt, int c);
// Draws and ages the messages; called once per frame by EndFrame.
void DrawComments();
