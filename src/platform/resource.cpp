// Resources compiled into the program. The word bank is linked in with .incbin so
// that the program carries its word list and needs no data file for it.
#include <cstring>

#include "platform/files.h"

#ifdef WORDLOOM_BANK_PATH
__asm__(".section .rodata\n"
        ".global wordloom_bank_start\n"
        ".global wordloom_bank_end\n"
        ".balign 16\n"
        "wordloom_bank_start:\n"
        ".incbin \"" WORDLOOM_BANK_PATH "\"\n"
        "wordloom_bank_end:\n"
        ".previous\n");
extern "C" const unsigned char wordloom_bank_start[];
extern "C" const unsigned char wordloom_bank_end[];
#endif

namespace platform {

ByteBlock OpenResource(const std::string& name) {
    ByteBlock block;
#ifdef WORDLOOM_BANK_PATH
    if (name == "sowpods_bank_zip.dat") {
        size_t size = static_cast<size_t>(wordloom_bank_end - wordloom_bank_start);
        block.Resize(size);
        if (size) std::memcpy(block.Data(), wordloom_bank_start, size);
    }
#else
    (void)name;
#endif
    return block;
}

}  // namespace platform
