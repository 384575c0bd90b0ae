#pragma once

// Identifiers shared by KestrelToADIF.rc and the code that loads its resources.
#define KESTREL_IDI_APPLICATION 1
// The station callsign's dialog, and its prompt and edit control.
#define KESTREL_IDD_STATION_CALLSIGN 101
#define KESTREL_IDC_STATION_PROMPT 1001
#define KESTREL_IDC_STATION_CALLSIGN 1002
