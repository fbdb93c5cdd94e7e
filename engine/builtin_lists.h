// The texts the program starts with: the four default inputs, three
// editable stock lists per part type, and the preferred-number series E24,
// E12, E6 and E3 of every part type.
#pragma once

struct DefaultText {
    int buffer;
    const char* text;
};

// The 25 built-in texts in their order: buffers 1 to 4, then 10 to 30.
constexpr int DefaultTextCount = 25;
extern const DefaultText defaultTexts[DefaultTextCount];

// Copies every built-in text into its buffer.
void fillDefaultTexts();
