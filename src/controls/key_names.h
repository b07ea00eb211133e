#pragma once
#include <string>

// Display name of a control code: a key's name, or a joystick part's name.
std::string KeyName(int code);
