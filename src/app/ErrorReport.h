// What a player sees when the game has to stop: one line on standard error,
// "Marrowick: " and the error's message, followed by the file in brackets when
// a file was the cause ("Marrowick: LoadImage() failed (Data\Road7.bmp)").
// Then the process ends with status 1 at once, from whichever thread failed
// first (a thread failing after it waits for the end): no other thread is
// waited for, nothing else is torn down.
#pragma once

#include <functional>

// Runs `work`; an error that leaves it ends the process as above.
void RunOrExitWithReport(const std::function<void()>& work);
