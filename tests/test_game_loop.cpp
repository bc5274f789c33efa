// The game loop: the start of a game, the order of one frame, deaths, level
// changes, the game-over box and the paced loop around them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/platform.h"
#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/random.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

using Calls = std::vector<std::string>;
using V = std::vector<int>;
Calls calls;           // sounds, pauses and vsyncs, in order
std::vector<V> rests;  // every pause: {ms, lives, level, pick-ups left, player x}

void rec_vsync() { calls.push_back("vsync"); }
void rec_rest(int ms) {
  calls.push_back("rest");
  rests.push_back({ms, game.lives, game.level, count_pickups(), game.player_x});
}
void rec_play(SAMPLE *s) {
  calls.push_back(s == assets.dies ? "dies" : s == assets.intro ? "intro" : s == assets.eating ? "eating" : "?");
}

void clear_pickups() {
  for (auto &row : game.maze)
    for (int &cell : row)
      if (cell == TILE_DOT || cell == TILE_PILL) cell = TILE_EMPTY;
}

// Whether the next rand() is the one srand(1) gives after `skip` draws.
bool seeded_sequence_after(long skip) {
  int next = rand();
  srand(1);
  for (long i = 0; i < skip; ++i) rand();
  return next == rand();
}

// From x 248 a one-pixel step left keeps the player on tile x 240..255, y 304..319.
void put_player(int x = 248, int y = 304) {
  game.player_x = x;
  game.player_y = y;
  game.player_dir = DIR_LEFT;
}
void put_ghost(int k, int x = 250, int y = 310, int mode = GHOST_NORMAL) {
  game.ghost_x[k] = x;
  game.ghost_y[k] = y;
  game.ghost_mode[k] = mode;
}

// `slack` 1 allows the one-pixel ghost step that ends a frame.
void expect_actors_at_start(int slack) {
  EXPECT_EQ((V{game.player_x, game.player_y, game.player_dir, game.fruit_state, game.fright_active}),
            (V{240, 304, DIR_LEFT, FRUIT_HIDDEN, 0}));
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_LE(std::abs(game.ghost_x[k] - 240) + std::abs(game.ghost_y[k] - 160), slack) << k;
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
  }
}

class GameLoop : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    platform.vsync = rec_vsync;
    platform.rest = rec_rest;
    platform.play = rec_play;
    calls.clear();
    rests.clear();
    reset_maze();
    reset_actors();
    game.lives = 3;
    game.level = game.score = game.fright_timer = 0;
  }
  void TearDown() override { release_all_keys(); }
};

TEST_F(GameLoop, StartGameBeginsAFreshGameWhateverThePreviousOneLeft) {
  game.level = 5;
  game.lives = 0;
  clear_pickups();
  put_player(17, 99);
  for (int k = 0; k < GHOSTS; ++k) put_ghost(k, 11 * k, 400, GHOST_FRIGHTENED), game.ghost_dir[k] = DIR_DOWN;
  game.fright_active = -1;
  game.fruit_state = FRUIT_EATEN;
  long seeds = random_seeds;
  start_game();
  EXPECT_EQ((V{game.lives, game.level, count_pickups()}), (V{3, 0, 198}));
  expect_actors_at_start(0);
  const int start_dir[GHOSTS] = {DIR_UP, DIR_RIGHT, DIR_LEFT, DIR_UP};
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_dir[k], start_dir[k]) << k;
  EXPECT_EQ(random_seeds, seeds + 1);
  // The full maze shown once, then the jingle over a pause.
  EXPECT_EQ(calls, (Calls{"intro", "rest"}));
  EXPECT_EQ(fake.presents, 1);
  EXPECT_EQ((V{getpixel(fake.screen, 20, 5), getpixel(fake.screen, 49, 33)}), (V{WALL_COLOUR, DOT_COLOUR}));
}

TEST_F(GameLoop, EscapeOrCloseEndsTheGameBeforeACatchOrALevelChange) {
  for (int how = 0; how < 2; ++how) {
    SetUp();
    clear_to_color(back_buffer, 0x1234);
    put_player();
    for (int k = 0; k < GHOSTS; ++k) put_ghost(k);
    clear_pickups();
    game.level = 4;
    if (how == 0) key[KEY_ESC] = 1;
    else fake.close = 1;
    EXPECT_EQ(game_frame(), FRAME_GAME_ENDED) << how;
    EXPECT_EQ(calls, (Calls{"vsync", "rest"})) << how;
    EXPECT_EQ((V{game.lives, game.level, count_pickups()}), (V{3, 4, 0})) << how;
    // The last picture presented, the box over it; the next one composed.
    EXPECT_EQ((V{getpixel(fake.screen, 639, 479), getpixel(fake.screen, 256, 163), back_pixel(20, 5)}),
              (V{0x1234, 0xffff, WALL_COLOUR}));
    release_all_keys();
  }
}

TEST_F(GameLoop, NormalGhostsOnThePlayersTileCostOneLife) {
  put_player();
  put_ghost(0), put_ghost(1), put_ghost(3);
  for (int c = 2; c < 30; ++c) game.maze[2][c] = TILE_EMPTY;  // 170 pick-ups left
  game.level = 2;
  game.score = 1230;
  game.fruit_state = FRUIT_SHOWN;
  long seeds = random_seeds;
  EXPECT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(calls, (Calls{"dies", "rest"}));
  // The pause comes before the actors are reset and the life is taken.
  EXPECT_EQ(rests, (std::vector<V>{{2000, 3, 2, 170, 247}}));
  expect_actors_at_start(1);
  EXPECT_EQ((V{game.lives, game.level, game.score, count_pickups()}), (V{2, 2, 1230, 170}));
  EXPECT_EQ(random_seeds, seeds);  // no reseed after a death

  // Tile edges, one ghost at a time; the player moves before the test, the
  // ghosts after it; frightened ghosts never catch.
  struct Case { int k, x, y, player_x, mode; bool caught; };
  const Case cases[] = {{3, 255, 319, 248, GHOST_NORMAL, true}, {1, 256, 304, 248, GHOST_NORMAL, false},
                         {0, 240, 304, 256, GHOST_NORMAL, true}, {1, 250, 310, 248, GHOST_FRIGHTENED, false}};
  for (const Case &c : cases) {
    SetUp();
    put_player(c.player_x);
    put_ghost(c.k, c.x, c.y, c.mode);
    game.ghost_dir[c.k] = DIR_RIGHT;
    game_frame();
    EXPECT_EQ(game.lives, c.caught ? 2 : 3) << "ghost " << c.k << " at " << c.x << "," << c.y;
  }
}

TEST_F(GameLoop, LastLifeEndsTheGameWithTheBoxTwiceAndNoNextLevel) {
  put_player();
  put_ghost(2);
  clear_pickups();
  game.lives = 1;
  game.level = 6;
  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);
  EXPECT_EQ(calls, (Calls{"dies", "rest", "vsync", "rest", "vsync", "rest"}));
  EXPECT_EQ(rests, (std::vector<V>{{2000, 1, 6, 0, 247}, {2000, 0, 6, 0, 240}, {2000, 0, 6, 0, 240}}));
  EXPECT_EQ((V{game.lives, game.level, count_pickups()}), (V{0, 6, 0}));
}

TEST_F(GameLoop, DeathComesBeforeTheLevelChangeInOneFrame) {
  // The step from 241 onto 240 eats the last dot (row 20, column 15) while
  // a ghost is on the tile.
  clear_pickups();
  game.maze[20][15] = TILE_DOT;
  put_player(241);
  put_ghost(1, 244, 308);
  game.level = 3;
  long draws = random_draws;
  EXPECT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(calls, (Calls{"eating", "dies", "rest", "rest"}));
  // The death: three lives, the maze already empty; then the level pause:
  // the life gone, the level not yet advanced.
  EXPECT_EQ(rests, (std::vector<V>{{2000, 3, 3, 0, 240}, {2000, 2, 3, 0, 240}}));
  EXPECT_EQ((V{game.lives, game.level, game.score, count_pickups()}), (V{2, 4, 10, 198}));
  EXPECT_TRUE(seeded_sequence_after(random_draws - draws));
}

TEST_F(GameLoop, ClearedMazeStartsTheNextLevelOnAFreshMazeUpTo127) {
  const int from[] = {3, 126, 127}, to[] = {4, 127, 127};
  for (int i = 0; i < 3; ++i) {
    SetUp();
    clear_pickups();
    game.lives = 2;
    game.level = from[i];
    game.score = 7770;
    game.fruit_state = FRUIT_EATEN;
    put_player(112, 128);
    long seeds = random_seeds, draws = random_draws;
    EXPECT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(calls, (Calls{"rest"})) << from[i];  // silent, on the last picture
    EXPECT_EQ(rests, (std::vector<V>{{2000, 2, from[i], 0, 112}}));
    EXPECT_EQ((V{game.lives, game.level, game.score, count_pickups()}), (V{2, to[i], 7770, 198}));
    expect_actors_at_start(1);
    EXPECT_EQ(random_seeds, seeds + 1);
    EXPECT_TRUE(seeded_sequence_after(random_draws - draws));
  }
}

TEST_F(GameLoop, GameOverBoxIsDrawnOnTheDisplay) {
  clear_to_color(fake.screen, 0x1234);
  show_game_over();
  EXPECT_EQ(calls, (Calls{"vsync", "rest"}));
  // Eleven 8-pixel characters centred on x 256: columns 212..299, rows 160..183.
  BITMAP *want = create_bitmap(640, 480);
  clear_to_color(want, 0x1234);
  rectfill(want, 212, 160, 299, 183, 0xffff);
  textout_ex(want, font, " GAME OVER ", 212, 168, 2, 0xffff);
  int wrong = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) wrong += getpixel(fake.screen, x, y) != getpixel(want, x, y);
  destroy_bitmap(want);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(getpixel(fake.screen, 220, 172), 2);  // the letters really are there: the G's stem
}

TEST_F(GameLoop, PlayGameRunsPacedFramesUntilTheGameEnds) {
  platform.close_requested = [] { return int(fake.ticks >= 5 || fake.presents > 20); };
  play_game();
  // Five waits, each passed the tick its frame began at; the sixth frame ends the game.
  EXPECT_EQ((V{fake.ticks, fake.presents, int(rests.size())}), (V{5, 1 + 6, 2}));
}

}  // namespace
