// Standard input and output as the program checks them. A read that fails
// (not the end of input) ends the run at once; output that does not all
// reach standard output is reported when the program exits. Either is said
// on standard error, with the system's reason, and the exit status is 1.
#pragma once

// Routes std::cin and std::cout through checking buffers and registers the
// check that runs at every exit. Called once, first thing in main.
void checkStreams();
