#include "music/song_file.h"

#include <array>

#include "frame/text_fields.h"
#include "platform/files.h"

std::string SongLines[5000];
int SongLineCount[5];
int StretchMode[5];

namespace {

// Headers as they compare after upper-casing and dropping every "]".
const char* const kHeaders[5] = {"[DRUMS", "[CHORDS", "[BASS", "[MELODY", "[ACCOMPANY"};

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string RemoveAll(const std::string& text, char what) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != what) out += c;
    return out;
}

// The stretch mode a stretch line asks for, or `unchanged` when its ending is
// none of the four words. "RANDOM+" is tested first; it does not end in "RANDOM".
int StretchFromLine(const std::string& upper, int unchanged) {
    if (EndsWith(upper, "RANDOM+")) return 2;
    if (EndsWith(upper, "RANDOM")) return 1;
    if (EndsWith(upper, "FALSE")) return 0;
    if (EndsWith(upper, "DOUBLE")) return -2;
    return unchanged;
}

// Note characters run in semitone order along two keyboard rows: the lower row
// from z, the upper from q (the sample's own pitch). The ratios are fixed
// single-precision constants so every song sounds the same on every machine.
// z sits one place below s, where the semitone order puts the octave below q,
// so it plays at half the rate rather than as a rest.
std::array<float, 256> MakeNoteTable() {
    std::array<float, 256> t{};
    const char* const lower = "zsxdcvgbhnjm";
    const float lowerRatio[12] = {0.5f,  0.5295f, 0.561f,  0.5945f, 0.63f,  0.6675f,
                                  0.707f, 0.749f,  0.7935f, 0.841f,  0.891f, 0.944f};
    const char* const upper = "q2w3er5t6y7ui9o0p[=]";
    const float upperRatio[20] = {1.0f,   1.059f, 1.122f, 1.189f, 1.26f,  1.335f, 1.414f,
                                  1.498f, 1.587f, 1.682f, 1.782f, 1.888f, 2.0f,   2.118f,
                                  2.244f, 2.378f, 2.52f,  2.67f,  2.828f, 2.996f};
    for (int i = 0; i < 12; ++i) t[static_cast<unsigned char>(lower[i])] = lowerRatio[i];
    for (int i = 0; i < 20; ++i) t[static_cast<unsigned char>(upper[i])] = upperRatio[i];
    for (int c = 'a'; c <= 'z'; ++c) t[c - 32] = t[c];
    return t;
}

const std::array<float, 256> kNoteRatios = MakeNoteTable();

}  // namespace

float NoteRatio(char c) { return kNoteRatios[static_cast<unsigned char>(c)]; }

float NoteRatio(const std::string& text) { return text.size() == 1 ? NoteRatio(text[0]) : 0.0f; }

bool ReadSongFile(const std::string& name) {
    const std::string path = "music/" + name + ".ini";
    if (platform::FileType(path) != 1) return false;

    for (int s = 0; s < 5; ++s) {
        SongLineCount[s] = 0;
        StretchMode[s] = -1;
    }
    int section = -1;  // none until the first recognised header

    // The reader cuts overlong lines, so any file is read in bounded memory.
    platform::TextReader reader(path);
    while (reader.IsOpen() && !reader.Eof()) {
        const std::string line = TrimBlanks(reader.ReadLine());
        if (line.empty()) continue;
        if (line[0] == '[') {
            const std::string header = RemoveAll(UpperCase(line), ']');
            for (int s = 0; s < 5; ++s)
                if (header == kHeaders[s]) section = s;
        }
        if (section < 0) continue;
        if (UpperCase(line.substr(0, 7)) == "STRETCH") {
            StretchMode[section] = StretchFromLine(UpperCase(line), StretchMode[section]);
        }
        if (line[0] == '"' && SongLineCount[section] < kMaxSongLines) {
            ++SongLineCount[section];
            SongLines[section * 1000 + SongLineCount[section]] = RemoveAll(line, '"');
        }
    }
    return true;
}
