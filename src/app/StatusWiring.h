#pragma once

namespace arc {

class MainWindow;

// What the window tells on its status line: what each action did, the
// data source in use and who is signed in, and why a menu key pressed
// while a panel is open did nothing.
namespace StatusWiring {

// Connects the window's panels and commands to its status line.
void attach(MainWindow &window);

} // namespace StatusWiring

} // namespace arc
