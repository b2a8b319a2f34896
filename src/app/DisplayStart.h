#pragma once

#include <QApplication>

#include <memory>

namespace virelai {

// The application of the window, on the desktop's display. Qt ends a program
// that finds no display with its own English message and an abort: here one
// French line on stderr says so and suggests --pdf, and the program ends with
// status 1. What Qt says while it connects is held back, and passed on once it
// has connected.
std::unique_ptr<QApplication> applicationOnDisplay(int &argc, char **argv);

// That French line.
QString noDisplayMessage();

} // namespace virelai
