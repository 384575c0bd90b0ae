#pragma once

// Identifiers shared by KestrelToADIF.rc and the code that loads its resources.
#define KESTREL_IDI_APPLICATION 1
