// The program's entry: everything happens in StartUp, which never returns.
#include "main/start_up.h"

int main() {
    StartUp();
    return 0;
}
