// F1, the key that switches between window and full screen: it acts once
// per press, however long it is held.
#pragma once

// Frames F1 must stay up before it can act again. A display switch drops the
// library's key state, so a key still held reads as up until the keyboard's
// first repeat (about half a second to 0.7 s after the press) brings it back
// as if pressed anew; that must not switch back.
const int DISPLAY_KEY_SETTLE_FRAMES = 45;

// True on the frame F1 goes down after having been up for the settle frames;
// asked once a frame by the loops that switch the display. `buffered`: an F1
// came through the key buffer this frame, which also sees a press too short
// for key[] (a press, or one of its repeats).
bool display_key_pressed(bool buffered = false);
