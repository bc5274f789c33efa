// The game loop: the start of a game, the order of one frame, deaths, level
// changes, the game-over box and the paced loop around them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
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

// What the game asked of the machine, in order, with the state it had then.
struct Event {
  std::string what;
  int lives;
  int level;
  int pickups;
  int player_x;
};
std::vector<Event> events;
Platform fake_entries;       // the fake's own table, to pass calls on to
void (*after_wait)() = nullptr;  // runs after every tick wait
std::vector<int> waited_for;     // the t of every tick wait

void note(const std::string &what) {
  events.push_back({what, game.lives, game.level, count_pickups(), game.player_x});
}

std::string sample_name(SAMPLE *s) {
  if (s == assets.eating) return "eating";
  if (s == assets.dies) return "dies";
  if (s == assets.fruit_or_pill) return "pill";
  if (s == assets.intro) return "intro";
  if (s == assets.eat_ghost) return "ghost";
  return "?";
}

void rec_present(BITMAP *b) {
  note("present");
  fake_entries.present(b);
}
void rec_vsync() {
  note("vsync");
  fake_entries.vsync();
}
void rec_rest(int ms) {
  note("rest " + std::to_string(ms));
  fake_entries.rest(ms);
}
void rec_play(SAMPLE *s) {
  note("play " + sample_name(s));
  fake_entries.play(s);
}
void rec_toggle() {
  note("toggle");
  fake_entries.toggle_display();
}
void rec_wait_tick(int t) {
  waited_for.push_back(t);
  fake_entries.wait_tick(t);
  if (after_wait) after_wait();
}

// Everything but the presents, which every frame makes.
std::vector<std::string> calls_but_presents() {
  std::vector<std::string> out;
  for (const Event &e : events)
    if (e.what != "present") out.push_back(e.what);
  return out;
}

std::vector<Event> rests() {
  std::vector<Event> out;
  for (const Event &e : events)
    if (e.what.rfind("rest ", 0) == 0) out.push_back(e);
  return out;
}

int count_calls(const std::string &what) {
  int n = 0;
  for (const Event &e : events) n += e.what == what;
  return n;
}

void clear_pickups() {
  for (auto &row : game.maze)
    for (int &cell : row)
      if (cell == TILE_DOT || cell == TILE_PILL) cell = TILE_EMPTY;
}

bool maze_is_fresh() {
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c)
      if (game.maze[r][c] != INITIAL_LAYOUT[r][c] - '0') return false;
  return true;
}

// The value rand() gives after srand(1) and `skip` draws.
int seeded_draw(long skip) {
  srand(1);
  for (long i = 0; i < skip; ++i) rand();
  return rand();
}

// The player where a one-pixel step left keeps it on tile (19, 15), so a
// ghost put on that tile is still there at the catch test.
const int PARK_X = 248, PARK_Y = 304;
void park_player() {
  game.player_x = PARK_X;
  game.player_y = PARK_Y;
  game.player_dir = DIR_LEFT;
}
void ghost_on_player(int k) {
  game.ghost_x[k] = 250;
  game.ghost_y[k] = 310;
  game.ghost_mode[k] = GHOST_NORMAL;
}

bool near_home(int k) {
  return std::abs(game.ghost_x[k] - GHOST_HOME_X) + std::abs(game.ghost_y[k] - GHOST_HOME_Y) <= 1;
}

bool same_picture(BITMAP *a, BITMAP *b) {
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

class GameLoop : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    fake_entries = platform;
    platform.present = rec_present;
    platform.vsync = rec_vsync;
    platform.rest = rec_rest;
    platform.play = rec_play;
    platform.toggle_display = rec_toggle;
    platform.wait_tick = rec_wait_tick;
    events.clear();
    waited_for.clear();
    after_wait = nullptr;
    reset_maze();
    reset_actors();
    game.lives = 3;
    game.level = 0;
    game.score = 0;
    game.hi_score = 0;
    game.fright_timer = 0;
    game.ghost_points = 0;
    clear_to_color(back_buffer, 0);
  }
  void TearDown() override {
    after_wait = nullptr;
    release_all_keys();
  }
};

TEST_F(GameLoop, StartGameBeginsAFreshGameWhateverThePreviousOneLeft) {
  game.level = 5;
  game.lives = 0;
  clear_pickups();
  game.maze[20][3] = TILE_DOT;
  game.player_x = 17;
  game.player_y = 99;
  game.player_dir = DIR_DOWN;
  for (int k = 0; k < GHOSTS; ++k) {
    game.ghost_x[k] = 11 * k;
    game.ghost_y[k] = 400;
    game.ghost_dir[k] = DIR_DOWN;
    game.ghost_mode[k] = GHOST_FRIGHTENED;
  }
  game.fright_active = -1;
  game.fruit_state = FRUIT_EATEN;
  game.fright_timer = 77;
  game.ghost_points = 800;
  game.score = 450;
  long seeds = random_seeds;

  start_game();

  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(game.level, 0);
  EXPECT_EQ(count_pickups(), 198);
  EXPECT_TRUE(maze_is_fresh());
  EXPECT_EQ(game.player_x, 240);
  EXPECT_EQ(game.player_y, 304);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  const int start_dir[GHOSTS] = {0, 1, 3, 0};
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_EQ(game.ghost_x[k], 240) << k;
    EXPECT_EQ(game.ghost_y[k], 160) << k;
    EXPECT_EQ(game.ghost_dir[k], start_dir[k]) << k;
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
  }
  EXPECT_EQ(game.fright_active, 0);
  EXPECT_EQ(game.fruit_state, FRUIT_HIDDEN);
  // Set afresh by the next pill, not by a new game.
  EXPECT_EQ(game.fright_timer, 77);
  EXPECT_EQ(game.ghost_points, 800);

  // Reseeded with 1, and nothing drawn since.
  EXPECT_EQ(random_seeds, seeds + 1);
  int next = rand();
  EXPECT_EQ(next, seeded_draw(0));

  // The first picture is shown once, then the jingle plays over a pause.
  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"play intro", "rest 3000"}));
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0].what, "present");
  EXPECT_EQ(fake.presents, 1);
  EXPECT_TRUE(same_picture(fake.screen, back_buffer));
  // That picture is the full maze of level 0: a wall block (row 0, column 1)
  // and the dot of row 2, column 3.
  EXPECT_EQ(getpixel(fake.screen, 20, 5), WALL_COLOUR);
  EXPECT_EQ(getpixel(fake.screen, 49, 33), DOT_COLOUR);
}

TEST_F(GameLoop, FramePresentsTheLastPictureThenComposesTheNext) {
  clear_to_color(back_buffer, 0x1234);
  EXPECT_EQ(game_frame(), FRAME_GO_ON);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0].what, "present");
  EXPECT_EQ(fake.presents, 1);
  // The display got the old picture whole.
  int old = 0;
  for (int y = 0; y < 480; y += 7)
    for (int x = 0; x < 640; x += 7) old += getpixel(fake.screen, x, y) == 0x1234;
  EXPECT_EQ(old, ((480 + 6) / 7) * ((640 + 6) / 7));
  // The back buffer was cleared and the maze drawn into it.
  EXPECT_EQ(back_pixel(20, 5), WALL_COLOUR);
  EXPECT_EQ(back_pixel(85, 20), 0);  // row 1, column 5 is an empty cell
  EXPECT_EQ(back_pixel(49, 33), DOT_COLOUR);
}

TEST_F(GameLoop, EscapeEndsTheGameBeforeACatchOrALevelChange) {
  park_player();
  for (int k = 0; k < GHOSTS; ++k) ghost_on_player(k);
  clear_pickups();
  game.level = 4;
  long seeds = random_seeds;
  key[KEY_ESC] = 1;

  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);

  // The box once: no death, no next level.
  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"vsync", "rest 2000"}));
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(game.level, 4);
  EXPECT_EQ(count_pickups(), 0);
  EXPECT_EQ(random_seeds, seeds);
  // The box is drawn over the picture presented at the top of the frame.
  EXPECT_EQ(getpixel(fake.screen, 256, 163), 0xffff);
}

TEST_F(GameLoop, CloseButtonEndsTheGameLikeEscape) {
  park_player();
  for (int k = 0; k < GHOSTS; ++k) ghost_on_player(k);
  clear_pickups();
  game.level = 4;
  long seeds = random_seeds;
  fake.close = 1;

  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);

  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"vsync", "rest 2000"}));
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(game.level, 4);
  EXPECT_EQ(random_seeds, seeds);
}

TEST_F(GameLoop, SeveralGhostsOnThePlayerCostOneLife) {
  park_player();
  ghost_on_player(0);
  ghost_on_player(1);
  ghost_on_player(3);
  // A half-eaten maze, a score and a level that a death must not touch.
  for (int c = 2; c < 30; ++c) game.maze[2][c] = TILE_EMPTY;
  Maze before;
  memcpy(before, game.maze, sizeof before);
  game.level = 2;
  game.score = 1230;
  game.fruit_state = FRUIT_SHOWN;
  game.fright_timer = 55;
  game.ghost_points = 400;
  long seeds = random_seeds;

  EXPECT_EQ(game_frame(), FRAME_GO_ON);

  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"play dies", "rest 2000"}));
  // The pause comes before the actors are reset and the life is taken.
  EXPECT_EQ(rests()[0].lives, 3);
  EXPECT_EQ(rests()[0].player_x, PARK_X - 1);
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.player_x, 240);
  EXPECT_EQ(game.player_y, 304);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  for (int k = 0; k < GHOSTS; ++k) {
    // Back home, then this frame's one-pixel ghost step.
    EXPECT_TRUE(near_home(k)) << k << ": " << game.ghost_x[k] << "," << game.ghost_y[k];
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL);
  }
  EXPECT_EQ(game.fright_active, 0);
  EXPECT_EQ(game.fruit_state, FRUIT_HIDDEN);
  EXPECT_EQ(game.fright_timer, 55);
  EXPECT_EQ(game.ghost_points, 400);
  EXPECT_EQ(memcmp(before, game.maze, sizeof before), 0);
  EXPECT_EQ(game.score, 1230);
  EXPECT_EQ(game.level, 2);
  EXPECT_EQ(random_seeds, seeds);
}

TEST_F(GameLoop, AnyOfTheFourGhostsCatchesOnTheSameTileOnly) {
  struct Case {
    int k, x, y;
    bool caught;
  };
  // The player steps from 248 to 247: tile (19, 15), pixels 240..255 x 304..319.
  const Case cases[] = {
      {0, 250, 310, true},  {1, 250, 310, true},  {2, 250, 310, true}, {3, 250, 310, true},
      {3, 255, 319, true},  {2, 240, 304, true},  {1, 256, 304, false}, {0, 239, 304, false},
      {3, 248, 320, false}, {2, 248, 303, false},
  };
  for (const Case &c : cases) {
    SetUp();
    park_player();
    game.ghost_x[c.k] = c.x;
    game.ghost_y[c.k] = c.y;
    game_frame();
    EXPECT_EQ(game.lives, c.caught ? 2 : 3) << "ghost " << c.k << " at " << c.x << "," << c.y;
    EXPECT_EQ(count_calls("play dies"), c.caught ? 1 : 0) << "ghost " << c.k << " at " << c.x << "," << c.y;
  }
}

TEST_F(GameLoop, PlayerMovesBeforeTheCatchTestGhostsAfterIt) {
  // The player steps from tile column 16 onto column 15, where a ghost waits.
  game.player_x = 256;
  game.player_y = 304;
  game.player_dir = DIR_LEFT;
  game.ghost_x[0] = 240;
  game.ghost_y[0] = 304;
  game_frame();
  EXPECT_EQ(game.lives, 2);

  // A ghost about to step off the player's tile is still caught on it.
  SetUp();
  park_player();
  game.ghost_x[2] = 255;
  game.ghost_y[2] = 304;
  game.ghost_dir[2] = DIR_RIGHT;
  game_frame();
  EXPECT_EQ(game.lives, 2);

  // And every frame moves the ghosts on.
  SetUp();
  park_player();
  game.ghost_x[0] = 64;
  game.ghost_y[0] = 16;
  game.ghost_dir[0] = DIR_RIGHT;
  game_frame();
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(game.ghost_x[0], 65);
  EXPECT_EQ(game.ghost_y[0], 16);
}

TEST_F(GameLoop, FrightenedGhostsNeverCatch) {
  park_player();
  for (int k = 0; k < GHOSTS; ++k) {
    ghost_on_player(k);
    game.ghost_mode[k] = GHOST_FRIGHTENED;
  }
  game_frame();
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(count_calls("play dies"), 0);
  EXPECT_TRUE(rests().empty());

  // In a running fright they are eaten first and come home harmless this frame.
  SetUp();
  park_player();
  for (int k = 0; k < GHOSTS; ++k) {
    ghost_on_player(k);
    game.ghost_mode[k] = GHOST_FRIGHTENED;
  }
  game.fright_active = -1;
  game.fright_timer = 300;
  game.ghost_points = 200;
  game_frame();
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(count_calls("play dies"), 0);
  EXPECT_EQ(count_calls("play ghost"), 4);
  EXPECT_EQ(game.score, 200 + 400 + 800 + 1600);
}

TEST_F(GameLoop, LastLifeEndsTheGameWithTheBoxTwiceAndNoNextLevel) {
  park_player();
  ghost_on_player(2);
  clear_pickups();
  game.lives = 1;
  game.level = 6;
  long seeds = random_seeds;

  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);

  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"play dies", "rest 2000", "vsync", "rest 2000", "vsync",
                                                            "rest 2000"}));
  std::vector<Event> r = rests();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].lives, 1);
  EXPECT_EQ(r[1].lives, 0);
  EXPECT_EQ(r[2].lives, 0);
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.level, 6);
  EXPECT_EQ(count_pickups(), 0);
  EXPECT_EQ(random_seeds, seeds);
}

TEST_F(GameLoop, DeathComesBeforeTheLevelChangeInOneFrame) {
  // The player steps left from 241 onto 240, where it eats the last dot
  // (row 20, column 15) while a ghost is on its tile.
  clear_pickups();
  game.maze[20][15] = TILE_DOT;
  game.player_x = 241;
  game.player_y = 304;
  game.player_dir = DIR_LEFT;
  game.ghost_x[1] = 244;
  game.ghost_y[1] = 308;
  game.level = 3;
  game.score = 500;
  long seeds = random_seeds;
  long draws = random_draws;

  EXPECT_EQ(game_frame(), FRAME_GO_ON);

  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"play eating", "play dies", "rest 2000", "rest 2000"}));
  std::vector<Event> r = rests();
  ASSERT_EQ(r.size(), 2u);
  // First the death: three lives still, the maze already empty.
  EXPECT_EQ(r[0].lives, 3);
  EXPECT_EQ(r[0].level, 3);
  EXPECT_EQ(r[0].pickups, 0);
  // Then the level pause: the life is gone, the level not yet advanced.
  EXPECT_EQ(r[1].lives, 2);
  EXPECT_EQ(r[1].level, 3);
  EXPECT_EQ(r[1].pickups, 0);

  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.level, 4);
  EXPECT_TRUE(maze_is_fresh());
  EXPECT_EQ(game.score, 510);
  EXPECT_EQ(game.player_x, 240);
  EXPECT_EQ(game.player_y, 304);
  EXPECT_EQ(random_seeds, seeds + 1);
  // The ghosts of this frame drew from the freshly seeded sequence.
  int next = rand();
  EXPECT_EQ(next, seeded_draw(random_draws - draws));
}

TEST_F(GameLoop, ClearedMazeStartsTheNextLevelOnAFreshMaze) {
  clear_pickups();
  game.lives = 2;
  game.level = 3;
  game.score = 7770;
  game.fruit_state = FRUIT_EATEN;
  game.player_x = 112;
  game.player_y = 128;
  game.player_dir = DIR_UP;
  for (int k = 0; k < GHOSTS; ++k) {
    game.ghost_x[k] = 400;
    game.ghost_y[k] = 32;
  }
  game.fright_timer = 12;
  game.ghost_points = 1600;
  long seeds = random_seeds;
  long draws = random_draws;

  EXPECT_EQ(game_frame(), FRAME_GO_ON);

  // A silent pause on the last picture.
  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"rest 2000"}));
  EXPECT_EQ(rests()[0].level, 3);
  EXPECT_EQ(game.level, 4);
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.score, 7770);
  EXPECT_TRUE(maze_is_fresh());
  EXPECT_EQ(game.player_x, 240);
  EXPECT_EQ(game.player_y, 304);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_TRUE(near_home(k)) << k;
  EXPECT_EQ(game.fruit_state, FRUIT_HIDDEN);
  EXPECT_EQ(game.fright_timer, 12);
  EXPECT_EQ(game.ghost_points, 1600);
  EXPECT_EQ(random_seeds, seeds + 1);
  int next = rand();
  EXPECT_EQ(next, seeded_draw(random_draws - draws));
}

TEST_F(GameLoop, LevelStopsAt127) {
  for (int from : {126, 127}) {
    SetUp();
    clear_pickups();
    game.level = from;
    game_frame();
    EXPECT_EQ(game.level, 127) << from;
    EXPECT_EQ(count_pickups(), 198) << from;
  }
}

TEST_F(GameLoop, GameOverBoxIsDrawnOnTheDisplay) {
  clear_to_color(fake.screen, 0x1234);
  clear_to_color(back_buffer, 0x0841);

  show_game_over();

  EXPECT_EQ(calls_but_presents(), (std::vector<std::string>{"vsync", "rest 2000"}));
  EXPECT_EQ(fake.presents, 0);

  // Eleven 8-pixel characters centred on x 256: columns 212..299, rows 160..183.
  const char *text = " GAME OVER ";
  ASSERT_EQ(text_length(font, text), 88);
  const int left = 256 - 44, right = 256 + 43, top = 160, bottom = 183;
  BITMAP *want = create_bitmap(640, 480);
  clear_to_color(want, 0x1234);
  rectfill(want, left, top, right, bottom, 0xffff);
  textout_ex(want, font, text, left, 168, 2, 0xffff);
  int wrong = 0, ink = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      int got = getpixel(fake.screen, x, y);
      wrong += got != getpixel(want, x, y);
      if (y >= top && y <= bottom && x >= left && x <= right) ink += got == 2;
    }
  destroy_bitmap(want);
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(ink, 40);  // the letters really are there
  // Only inside the box, and only in the middle line.
  EXPECT_EQ(getpixel(fake.screen, left - 1, 170), 0x1234);
  EXPECT_EQ(getpixel(fake.screen, right + 1, 170), 0x1234);
  EXPECT_EQ(getpixel(fake.screen, 256, top - 1), 0x1234);
  EXPECT_EQ(getpixel(fake.screen, 256, bottom + 1), 0x1234);
  for (int x = left; x <= right; ++x) {
    EXPECT_EQ(getpixel(fake.screen, x, 163), 0xffff) << x;
    EXPECT_EQ(getpixel(fake.screen, x, 180), 0xffff) << x;
  }
  // Not on the back buffer.
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) ASSERT_EQ(back_pixel(x, y), 0x0841);
}

TEST_F(GameLoop, PlayGameRunsPacedFramesUntilEscape) {
  static int frames_left;
  frames_left = 5;
  after_wait = [] {
    if (--frames_left == 0) key[KEY_ESC] = 1;
  };
  game.level = 9;
  clear_pickups();

  play_game();

  // Five waited frames, then the sixth ends the game.
  EXPECT_EQ(fake.ticks, 5);
  EXPECT_EQ(waited_for, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(fake.presents, 1 + 6);
  std::vector<Event> r = rests();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].what, "rest 3000");
  EXPECT_EQ(r[1].what, "rest 2000");
  EXPECT_EQ(count_calls("vsync"), 1);
  EXPECT_EQ(game.level, 0);
  EXPECT_EQ(game.lives, 3);
}

TEST_F(GameLoop, PlayGameEndsWhenTheLastLifeIsLost) {
  // From the second frame on, a ghost waits on the player's tile every frame.
  after_wait = [] {
    park_player();
    ghost_on_player(0);
  };

  play_game();

  EXPECT_EQ(fake.ticks, 3);
  EXPECT_EQ(count_calls("play dies"), 3);
  std::vector<Event> r = rests();
  ASSERT_EQ(r.size(), 6u);
  const int want[] = {3000, 2000, 2000, 2000, 2000, 2000};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r[i].what, "rest " + std::to_string(want[i])) << i;
  EXPECT_EQ(count_calls("vsync"), 2);
  EXPECT_EQ(game.lives, 0);
}

}  // namespace
