#pragma once

namespace arc {

class MainWindow;

// How the window and its parts hear of sign-in and ask things of it: who
// is signed in reaches them by sign-in's signal, and their requests (sign
// out, lock, stop, the signatories changed, a signing key kept) reach
// sign-in by theirs.
namespace SignInWiring {

// Connects the window's commands and panels with its sign-in.
void attach(MainWindow &window);

} // namespace SignInWiring

} // namespace arc
