// Standard output as the program checks it. Output that does not all reach
// standard output is reported on standard error when the program exits, with
// status 1.
#pragma once

// Routes std::cout through a checking buffer and registers the check that
// runs at every exit. Called once, first thing in main.
void checkOutput();
