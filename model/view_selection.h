#pragma once

namespace kdsp {

// Which store page each shared view page currently stands for.
struct ViewSelection {
    int CurrentMusicPage = 0;  // 0 or 1
    int CurrentMicPage = 3;    // 3 or 4
    int CurrentEffectPage = 5; // 5, 6 or 7
    int CurrentOutputPage = 8; // 8..19
    int CurrentHintPage = 22;  // 22, 23 or 24
    int OutputModeOffset = 1;  // 0 sing, 1 disco
    // Link states: 0 left (microphone 1), 1 same (linked), 2 right (microphone 2).
    int MusicLinkState = 0;
    int MicLinkState = 0;
    int MainLinkState = 0;
    int SurroundLinkState = 0;
    int CurrentViewPage = 0;
    int CurrentView = 0; // view page * 256 + sheet index
};

} // namespace kdsp
