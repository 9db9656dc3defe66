// Degrees per pixel of mouse motion, from the screen size when a look or a
// mouse move starts.
#pragma once

struct MouseScale {
    int screenWidth = 0;
    int screenHeight = 0;
    float headingPerPixel = 0;  // mouseHeadingValue
    float pitchPerPixel = 0;    // mousePitchValue
};

// False (and a zero scale) while the screen has no width or height yet: no
// display to measure the mouse against.
bool readMouseScale(MouseScale* out);
