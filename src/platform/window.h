// The window's title and close button.
#pragma once

// Set when the player uses the window's close button; read by the loops.
extern volatile int close_button_pressed;

// Gives the window its title and close-button handler (after every mode set).
void dress_window();
