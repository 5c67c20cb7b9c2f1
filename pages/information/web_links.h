#pragma once

// The two addresses the Information page opens in the default browser: the
// program's update page and a news site about 3dfx cards.
inline constexpr const char kUpdatesAddress[] =
    "http://kvartune.example.org/updates/";
inline constexpr const char kNewsAddress[] = "http://www.3dfxzone.it/";
