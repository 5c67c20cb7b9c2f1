#pragma once

// The two addresses the Information page opens in the default browser.
inline constexpr const char kUpdatesAddress[] =
    "http://www.quillfeld.de/kvartune/";
inline constexpr const char kNewsAddress[] = "http://www.3dfxzone.it/";
