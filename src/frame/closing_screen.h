// The only way the program ends: saves settings and scores, shows the thank-you
// page until any input, and exits with status 0.
#pragma once

[[noreturn]] void ClosingScreen();
