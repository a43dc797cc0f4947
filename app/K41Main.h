#pragma once
// K41's start once the application object exists: the settings file readied, one K41 a
// settings file, the windows, the notice about settings that cannot be saved, then the event
// loop. main() runs it after answering --help and --version; a test program runs the same
// start, watching the boxes it shows.
namespace K41Main {

// Runs K41 until it ends and returns the program's exit status.
int run();

} // namespace K41Main
