#pragma once

// The bare sheet's five pages are the dialogs 100 to 104.
#define IDD_BARE_FIRST_PAGE 100

#ifndef RC_INVOKED
constexpr char kBareSheetTitle[] = "Bare sheet";
#endif
