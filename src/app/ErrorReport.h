// What a player sees when the game has to stop: an error that nothing catches
// still ends the process, but its message is written to standard error first,
// for example "Marrowick: LoadImage() failed" when Data\ is missing.
#pragma once

// Installs the report in front of the standard terminate path.
void ReportEscapingErrors();
