// The game loop: a game's start, one frame's order, deaths, level changes and the game-over box.
#include "cycle_support.h"
#include "game/game_loop.h"
#include "game/random.h"

namespace {

using Rests = std::vector<V>;
std::string calls;  // in order: d(ies), i(ntro), e(ating), s(how the display), v(sync), r(est)
Rests rests;        // every pause: {ms, lives, level, pick-ups left, player x}

void clear_pickups() {
  for (auto &row : game.maze)
    for (int &cell : row)
      if (cell == TILE_DOT || cell == TILE_PILL) cell = TILE_EMPTY;
}
// Whether the next number is the one seed 1 gives after `skip` draws.
bool seeded_sequence_after(long skip) {
  int next = random_next();
  random_seed(1);
  for (long i = 0; i < skip; ++i) random_next();
  return next == random_next();
}
void put_player(int x, int y) { game.player_x = x, game.player_y = y, game.player_dir = DIR_LEFT; }
void put_ghost(int k, int x, int y, int mode) { game.ghost_x[k] = x, game.ghost_y[k] = y, game.ghost_mode[k] = mode; }
// Each ghost normal (mode 0) and within `slack` pixels of home (1: the step that ends a frame).
void expect_actors_at_start(int slack) {
  V got = {game.player_x, game.player_y, game.player_dir, game.fruit_state, game.fright_active};
  for (int k = 0; k < GHOSTS; ++k)
    got.push_back(std::abs(game.ghost_x[k] - 240) + std::abs(game.ghost_y[k] - 160) <= slack && !game.ghost_mode[k]);
  EXPECT_EQ(got, (V{240, 304, DIR_LEFT, FRUIT_HIDDEN, 0, 1, 1, 1, 1}));
}

class GameLoop : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    platform.vsync = [] { calls += 'v'; };
    platform.show_display = [] { calls += 's'; };
    platform.rest = [](int ms) {
      calls += 'r', rests.push_back({ms, game.lives, game.level, count_pickups(), game.player_x});
    };
    platform.play = [](SAMPLE *s) {
      calls += s == assets.dies ? 'd' : s == assets.intro ? 'i' : s == assets.eating ? 'e' : '?';
    };
    calls.clear(), rests.clear(), reset_maze(), reset_actors();
    game.lives = 3, game.level = game.score = game.fright_timer = 0;
  }
  void TearDown() override { release_all_keys(); }
};

TEST_F(GameLoop, StartGameBeginsAFreshGameWhateverThePreviousOneLeft) {
  game.level = 5, game.lives = 0, game.fright_active = -1, game.fruit_state = FRUIT_EATEN;
  clear_pickups(), put_player(17, 99);
  for (int k = 0; k < GHOSTS; ++k) put_ghost(k, 11 * k, 400, GHOST_FRIGHTENED);
  long seeds = random_seeds, draws = random_draws;
  start_game();
  EXPECT_EQ((V{game.lives, game.level, count_pickups(), int(random_seeds - seeds)}), (V{3, 0, 198, 1}));
  EXPECT_TRUE(seeded_sequence_after(random_draws - draws));
  expect_actors_at_start(0);
  EXPECT_EQ(calls, "ir");  // the full maze shown once, then the jingle over a pause
  EXPECT_EQ(rests, (Rests{{3000, 3, 0, 198, 240}}));
  EXPECT_EQ((V{fake.presents, getpixel(fake.screen, 20, 5), getpixel(fake.screen, 49, 33)}),
            (V{1, WALL_COLOUR, DOT_COLOUR}));
}

TEST_F(GameLoop, CaughtByANormalGhostOnThePlayersTileCostsOneLife) {
  // Tile edges (from x 248 the player stays on tile 240..255, 304..319); it moves before the test, the ghosts after.
  struct Case { int player_x, x, y, mode, ghosts; bool caught; };  // `ghosts`: a bit per ghost
  for (Case c : {Case{248, 250, 310, GHOST_NORMAL, 0b1011, true}, Case{248, 255, 319, GHOST_NORMAL, 0b1000, true},
                 Case{248, 256, 304, GHOST_NORMAL, 0b0010, false}, Case{256, 240, 304, GHOST_NORMAL, 0b0100, true},
                 Case{248, 250, 310, GHOST_FRIGHTENED, 0b1111, false}}) {
    SetUp();
    put_player(c.player_x, 304);
    for (int k = 0; k < GHOSTS; ++k)
      if (c.ghosts >> k & 1) put_ghost(k, c.x, c.y, c.mode), game.ghost_dir[k] = DIR_RIGHT;
    game.maze[2][2] = TILE_EMPTY, game.score = 1230, game.fruit_state = FRUIT_SHOWN;  // 197 pick-ups left
    long seeds = random_seeds;
    EXPECT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(calls, c.caught ? "dr" : "") << c.x;
    EXPECT_EQ((V{game.lives, game.level, game.score, count_pickups(), int(random_seeds - seeds)}),
              (V{3 - c.caught, 0, 1230, 197, 0})) << c.x;
    if (c.caught) expect_actors_at_start(1);
  }
}

TEST_F(GameLoop, FrameEndsOnEscapeOrCloseFirstThenADeathThenALevelChangeUpTo127) {
  // Each pause comes before its reset: the death's on the empty maze, then the level's.
  struct Case { int lives, level, ghosts, quit; const char *calls; Rests rests; V after; };  // lives, level, pick-ups
  const Case cases[] = {
      {3, 4, 0b1111, 1, "esvr", {{2000, 3, 4, 0, 112}}, {3, 4, 0}},  // Escape: the box once, nothing else
      {3, 4, 0b1111, 2, "esvr", {{2000, 3, 4, 0, 112}}, {3, 4, 0}},  // the close button
      {3, 3, 0b0010, 0, "edrr", {{2000, 3, 3, 0, 112}, {2000, 2, 3, 0, 240}}, {2, 4, 198}},
      {3, 126, 0, 0, "er", {{2000, 3, 126, 0, 112}}, {3, 127, 198}},
      {3, 127, 0, 0, "er", {{2000, 3, 127, 0, 112}}, {3, 127, 198}},
      {1, 6, 0b0100, 0, "edrsvrsvr", {{2000, 1, 6, 0, 112}, {2000, 0, 6, 0, 240}, {2000, 0, 6, 0, 240}}, {0, 6, 0}},
  };
  // The game-over box: eleven 8-pixel characters centred on x 256, columns 212..299, rows 160..183.
  BITMAP *want = create_bitmap(640, 480);
  for (const Case &c : cases) {
    SCOPED_TRACE(&c - cases);
    SetUp();
    clear_to_color(back_buffer, 0x1234);
    clear_pickups();
    game.maze[8][7] = TILE_DOT;  // eaten by the step from 113 onto 112
    put_player(113, 112);
    for (int k = 0; k < GHOSTS; ++k)
      if (c.ghosts >> k & 1) put_ghost(k, 116, 116, GHOST_NORMAL);
    game.lives = c.lives, game.level = c.level, game.score = 7770, game.fruit_state = FRUIT_EATEN;
    key[KEY_ESC] = c.quit == 1, fake.close = c.quit == 2;
    long seeds = random_seeds, draws = random_draws;
    bool ends = c.quit || c.after[0] == 0;
    EXPECT_EQ(game_frame(), ends ? FRAME_GAME_ENDED : FRAME_GO_ON);
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(rests, c.rests);
    EXPECT_EQ((V{game.lives, game.level, count_pickups(), game.score}), (V{c.after[0], c.after[1], c.after[2], 7780}));
    // On show: the game as the frame left it, with the score it ends with (7780, not the 7770 it began with),
    // under any box; a game lost with its last life shows the place it was lost. The back buffer holds it too.
    compose_now(want);
    if (ends) rectfill(want, 212, 160, 299, 183, 0xffff), textout_ex(want, font, " GAME OVER ", 212, 168, 2, 0xffff);
    bool actors_reset = c.after[0] == 0;
    EXPECT_EQ((V{score_box_differing(fake.screen, want), actors_reset ? 0 : pixels_differing(fake.screen, want), int(getpixel(fake.screen, 220, 172) == 2),
                 ends ? 0 : pixels_differing(fake.screen, back_buffer), back_pixel(20, 5)}),
              (V{0, 0, ends, 0, WALL_COLOUR}));  // 220,172: the G's stem
    if (c.after[2] == 0) continue;
    EXPECT_EQ(random_seeds, seeds + 1);
    EXPECT_TRUE(seeded_sequence_after(random_draws - draws));
    expect_actors_at_start(1);
  }
  destroy_bitmap(want);
}

TEST_F(GameLoop, PlayGameRunsPacedFramesUntilTheGameEnds) {
  platform.close_requested = [] { return int(fake.ticks >= 5 || fake.presents > 20); };
  play_game();
  // Five waits, each passed the tick its frame began at; the sixth frame ends the game.
  EXPECT_EQ((V{fake.ticks, fake.presents, int(rests.size())}), (V{5, 1 + 6, 2}));
}

}  // namespace
