#pragma once
// The hourglass for long work on the user-interface thread; restored however the work ends.

class THourglass {
public:
    THourglass();
    ~THourglass();
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;
};
