#pragma once
// For tests: lets the event loop run until a decoder has handed over everything it was
// asked for.

class TDecodeAhead;
class TThumbDecoder;

// False when that takes more than a minute.
bool WaitForDecoder(const TThumbDecoder& decoder);
bool WaitForDecoder(const TDecodeAhead& ahead);
