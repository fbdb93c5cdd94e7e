// The page's own captions, in both languages: one constant table like the
// window's control table, Japanese (CP932) and English side by side, each
// row reached by the name the page's elements carry (data-text="execute").
// The search's lines, outcomes and messages are not here: they come from
// the library and the command line's code, as the command line prints them.
#pragma once

struct PageText {
    const char* name;
    const char* japanese;
    const char* english;
};

constexpr int PageTextCount = 50;
extern const PageText pageTexts[PageTextCount];
