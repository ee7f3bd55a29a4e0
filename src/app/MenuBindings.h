#pragma once

namespace arc {

class MainWindow;

// What each item of the window's menus does: the screen's and panels'
// buttons it clicks, the bench actions it runs, and the recent
// certificates it offers.
namespace MenuBindings {

// Binds every item of the window's menu bar.
void attach(MainWindow &window);

} // namespace MenuBindings

} // namespace arc
