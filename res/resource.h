// Resource identifiers of soundcheck.exe, shared by the resource script (soundcheck.rc.in)
// and the C++ code. Plain #defines only: the resource compiler reads this file too.
#ifndef SOUNDCHECK_RES_RESOURCE_H
#define SOUNDCHECK_RES_RESOURCE_H

// The application icon (16, 24, 32, 48 and 256 pixels). The lowest icon id is the one the
// shell shows for the file, so it stays 1.
#define IDI_APP_ICON 1

#endif  // SOUNDCHECK_RES_RESOURCE_H
