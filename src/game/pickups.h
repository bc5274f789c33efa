// Everything that scores: dots, power pills, the fruit and frightened ghosts.
#pragma once

// Dots, then pills, under the player when it stands on the grid; a pill
// frightens the ghosts.
void eat_dots_and_pills();
// Brings the fruit out while enough pick-ups are left, and eats it.
void update_fruit();
// While the ghosts are frightened: eats those met, runs the fright down.
void run_fright();
