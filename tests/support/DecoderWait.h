#pragma once
// For tests: lets the event loop run until a thumbnail decoder has handed over every row
// it was asked for.

class TThumbDecoder;

// False when that takes more than a minute.
bool WaitForDecoder(const TThumbDecoder& decoder);
