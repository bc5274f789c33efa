// One game, from the start jingle to the game-over box.
#pragma once

enum FrameResult { FRAME_GO_ON, FRAME_GAME_ENDED };

// Lives, level, actors and a fresh maze; shows the first picture over the
// start jingle.
void start_game();
// One frame of a game, everything between two tick waits.
FrameResult game_frame();
// start_game, then paced frames until the game ends.
void play_game();
// A box of black text on white, three rows high, centred on x 256 at y 160,
// drawn over the picture on show.
void show_box(const char *text);
// The " GAME OVER " box, drawn over the picture on show, and a pause.
void show_game_over();
